// The add-load merge of a full race file (750 horses, one page) into a database near or at its
// 12000-horse limit: checking the file, finding every horse by name, deciding by the run dates,
// and appending the unknown horses into the display order.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/database/horse_record.hpp"
#include "core/database/horse_store.hpp"
#include "core/database/race_files.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace {

using namespace korvane;

constexpr int kFileHorses = kHorsesPerPage;

std::string benchName(int i, char suffix) {
  char name[24];
  std::snprintf(name, sizeof name, "BENCH%05d%c", i, suffix);
  return name;
}

// 41 record lines with five present runs, the latest in `latest` (YYMM), one month apart.
std::vector<std::string> record(const std::string& name, int latest) {
  std::vector<std::string> lines = placeholderRecord(identityLine(name, 4, sj("牡")));
  for (int r = 1; r <= kRuns; ++r) {
    char month[8];
    std::snprintf(month, sizeof month, "%04d", latest - r + 1);
    lines[runLine(r, RunField::Surface) - 1] = sj("芝");
    lines[runLine(r, RunField::Distance) - 1] = "1800";
    lines[runLine(r, RunField::CourseDate) - 1] = sj("中") + month;
    lines[runLine(r, RunField::Time) - 1] = "1475";
    lines[runLine(r, RunField::Corners) - 1] = " 5 4 3";
    lines[runLine(r, RunField::Last3F) - 1] = "351";
    lines[runLine(r, RunField::Going) - 1] = sj("良");
    lines[runLine(r, RunField::Finish) - 1] = std::to_string(r + 2);
  }
  return lines;
}

// A database of `count` horses laid into the pages directly, in name order.
HorseStore storeOf(int count) {
  HorseStore store;
  for (int i = 1; i <= count; ++i) {
    store.order.push_back(appendBlock(store, record(benchName(i, ' '), 905)));
  }
  return store;
}

// A race file of 750 horses named after every `stride`-th stored horse, with `suffix` making them
// new horses (sorting in between the stored ones) or, when blank, the stored horses themselves.
// The race file's text as the add-load reads it.
std::string raceFileText(int stride, char suffix, int latest) {
  std::vector<std::string> lines = emptyRaceHeader("KORVANE DATA 1998-2009");
  lines[kHeaderLines - 1] = std::to_string(kFileHorses);
  for (int i = 1; i <= kFileHorses; ++i) {
    std::vector<std::string> block = record(benchName(i * stride, suffix), latest);
    lines.insert(lines.end(), block.begin(), block.end());
    lines.push_back(computeStyle(lineViews(block)));
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void addLoad(benchmark::State& state, const HorseStore& base, const std::string& file) {
  for (auto _ : state) {
    state.PauseTiming();
    HorseStore store = base;
    state.ResumeTiming();
    const auto blocks = readRaceFileBlocks(file, "bench.uma");
    const AddLoadTally tally =
        mergeRaceBlocks(store, std::get<std::vector<std::string_view>>(blocks));
    benchmark::DoNotOptimize(tally);
  }
}

// 11250 stored horses, 750 new ones that fall all over the name order: the store ends full.
void BM_AddLoadAppendsIntoANearlyFullStore(benchmark::State& state) {
  static const HorseStore base = storeOf(kMaxHorses - kFileHorses);
  static const std::string file = raceFileText(15, 'B', 906);
  addLoad(state, base, file);
}
BENCHMARK(BM_AddLoadAppendsIntoANearlyFullStore)->Unit(benchmark::kMillisecond);

// 12000 stored horses, 750 of them in the file with a newer last run: every block replaces one.
void BM_AddLoadReplacesInAFullStore(benchmark::State& state) {
  static const HorseStore base = storeOf(kMaxHorses);
  static const std::string file = raceFileText(16, ' ', 906);
  addLoad(state, base, file);
}
BENCHMARK(BM_AddLoadReplacesInAFullStore)->Unit(benchmark::kMillisecond);

}  // namespace
