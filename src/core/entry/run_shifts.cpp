#include "core/entry/run_shifts.hpp"

#include <vector>

#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

bool isHorse(const HorseStore& store, int n) {
  return n >= 1 && n <= store.count;
}

// Writes the five runs back in the given order, then the style that follows from them.
void storeRuns(HorseStore& store, int n, const std::vector<RunRecord>& runs) {
  for (int r = 1; r <= kRuns; ++r) {
    const RunRecord& run = runs[static_cast<std::size_t>(r - 1)];
    for (int i = 0; i < 8; ++i) {
      store.setLine(n, runLine(r, static_cast<RunField>(i)), run[static_cast<std::size_t>(i)]);
    }
  }
  updateStyle(store, n);
  store.modified = true;
}

std::vector<RunRecord> allRuns(const HorseStore& store, int n) {
  std::vector<RunRecord> runs;
  for (int r = 1; r <= kRuns; ++r) runs.push_back(readRun(store, n, r));
  return runs;
}

}  // namespace

const RunRecord& blankRun() {
  static const RunRecord blank{sj("無"), "9999", sj("東0000"), "0000",
                               " 0 0 0", "999",  sj("無"),     "99"};
  return blank;
}

RunRecord readRun(const HorseStore& store, int n, int r) {
  RunRecord run;
  for (int i = 0; i < 8; ++i) {
    run[static_cast<std::size_t>(i)] = store.line(n, runLine(r, static_cast<RunField>(i)));
  }
  return run;
}

void addNewestRun(HorseStore& store, int n, const RunRecord& run) {
  if (!isHorse(store, n)) return;
  std::vector<RunRecord> runs = allRuns(store, n);
  runs.pop_back();
  runs.insert(runs.begin(), run);
  storeRuns(store, n, runs);
}

void insertBlankRun(HorseStore& store, int n, int k) {
  if (!isHorse(store, n) || k < 2 || k > 4) return;
  std::vector<RunRecord> runs = allRuns(store, n);
  runs.pop_back();
  runs.insert(runs.begin() + (k - 1), blankRun());
  storeRuns(store, n, runs);
}

void deleteRun(HorseStore& store, int n, int k) {
  if (!isHorse(store, n) || k < 1 || k > 4) return;
  std::vector<RunRecord> runs = allRuns(store, n);
  runs.erase(runs.begin() + (k - 1));
  runs.push_back(blankRun());
  storeRuns(store, n, runs);
}

void replaceRun(HorseStore& store, int n, int k, const RunRecord& run) {
  if (!isHorse(store, n) || k < 1 || k > kRuns) return;
  std::vector<RunRecord> runs = allRuns(store, n);
  runs[static_cast<std::size_t>(k - 1)] = run;
  storeRuns(store, n, runs);
}

}  // namespace korvane
