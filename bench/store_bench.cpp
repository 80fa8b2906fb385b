// Loading and saving the full all-horses set: 12000 horses with five runs each, 16 files and the
// order file, as the program reads them at start and writes them at close.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/app/app_state.hpp"
#include "core/database/store_files.hpp"
#include "core/flows/store_files.hpp"
#include "generator/generator.hpp"
#include "generator/quiet_platform.hpp"

namespace {

using namespace korvane;
namespace fs = std::filesystem;

// A folder holding a generated full set, written once for every benchmark of the run.
const fs::path& fullSetFolder() {
  static const fs::path folder = [] {
    const fs::path dir =
        fs::temp_directory_path() / ("korvane_store_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    AtomicLineWriter writer;
    if (!gen::writeFullSet(dir, writer)) std::abort();
    return dir;
  }();
  return folder;
}

void BM_LoadFullSet(benchmark::State& state) {
  gen::QuietPlatform platform;
  AppState app(platform.dialogs, platform.clock, platform.writer);
  app.folders.data = fullSetFolder();
  for (auto _ : state) {
    if (!loadAllHorses(app)) state.SkipWithError("the generated set did not load");
    benchmark::DoNotOptimize(app.store.count);
  }
}
BENCHMARK(BM_LoadFullSet)->Unit(benchmark::kMillisecond);

void BM_SaveFullSet(benchmark::State& state) {
  gen::QuietPlatform platform;
  AtomicLineWriter writer;
  AppState app(platform.dialogs, platform.clock, writer);
  app.folders.data = fullSetFolder();
  if (!loadAllHorses(app)) state.SkipWithError("the generated set did not load");
  for (auto _ : state) {
    app.store.modified = true;
    if (!saveStore(app)) state.SkipWithError("the set could not be saved");
  }
}
BENCHMARK(BM_SaveFullSet)->Unit(benchmark::kMillisecond);

struct RemoveFolder {
  ~RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(
        fs::temp_directory_path() / ("korvane_store_bench_" + std::to_string(::getpid())), ignored);
  }
} removeFolder;

}  // namespace
