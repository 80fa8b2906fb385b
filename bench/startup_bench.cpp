// From a saved full database to a main window ready for work: the folders and korvane.ini, the
// main window, the first load of 12000 horses from 16 files and the order file, both lists and
// the race label filled and painted. The title window's timer (a second before the load and a
// second after it) is the program's fixed pause and is left out.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "core/app/app_state.hpp"
#include "core/flows/startup.hpp"
#include "generator/generator.hpp"
#include "generator/quiet_platform.hpp"
#include "gui/app/main_form.hpp"
#include "gui/app/title_form.hpp"

namespace {

using namespace korvane;
namespace fs = std::filesystem;

QApplication& qtApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "startup_bench";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}

fs::path benchFolder() {
  return fs::temp_directory_path() / ("korvane_startup_bench_" + std::to_string(::getpid()));
}

// A data folder holding a generated full set, written once for the run.
const fs::path& fullSetFolder() {
  static const fs::path folder = [] {
    const fs::path dir = benchFolder();
    fs::create_directories(dir);
    AtomicLineWriter writer;
    if (!gen::writeFullSet(dir, writer)) std::abort();
    return dir;
  }();
  return folder;
}

void BM_StartToUsableMainWindow(benchmark::State& state) {
  qtApplication();
  const fs::path data = fullSetFolder();
  for (auto _ : state) {
    gen::QuietPlatform platform;
    AppState app(platform.dialogs, platform.clock, platform.writer);
    app.folders.data = data;
    if (!prepareStart(app).ok) state.SkipWithError("the folders could not be prepared");
    gui::TMainForm form(app, gui::MainFormOptions{.showTitle = false});
    form.show();
    {
      gui::TTitleForm title(app, &form);
      title.firstTick();
    }
    form.startupFinished();
    QApplication::processEvents();
    if (app.store.count != kMaxHorses) state.SkipWithError("the generated set did not load");
  }
}
BENCHMARK(BM_StartToUsableMainWindow)->Unit(benchmark::kMillisecond);

struct RemoveFolder {
  ~RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(benchFolder(), ignored);
  }
} removeFolder;

}  // namespace
