#include "core/entry/run_shifts.hpp"

#include <gtest/gtest.h>

#include "core/database/horse_fields.hpp"
#include "tests/core/engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::addHorse;
using testing::PastRun;

// Five runs told apart by their finishing position 1..5; runs 1 and 2 up front, the rest
// without corner positions.
std::vector<PastRun> fiveRuns() {
  std::vector<PastRun> runs(5);
  for (int i = 0; i < 5; ++i) {
    runs[i].finish = i + 1;
    runs[i].corners = i < 2 ? " 1 1 1" : " 0 0 0";
  }
  return runs;
}

std::vector<int> finishes(const HorseStore& store, int n) {
  std::vector<int> out;
  for (int r = 1; r <= 5; ++r) out.push_back(runFinish(store, n, r));
  return out;
}

TEST(RunShifts, DeletingAMovesTheOlderRunsUpAndBlanksTheOldest) {
  HorseStore store;
  const int n = addHorse(store, "ゴカイ", fiveRuns());
  store.modified = false;
  deleteRun(store, n, 1);
  EXPECT_EQ(finishes(store, n), (std::vector<int>{2, 3, 4, 5, 99}));
  EXPECT_EQ(readRun(store, n, 5), blankRun());
  EXPECT_EQ(runGoing(store, n, 5), sj("無"));
  EXPECT_TRUE(store.modified);
  // Only run 2 (now 1) is still up front: two valid runs give one 逃, style 逃.
  EXPECT_EQ(horseStyle(store, n), sj("逃"));

  deleteRun(store, n, 4);
  EXPECT_EQ(finishes(store, n), (std::vector<int>{2, 3, 4, 99, 99}));
}

TEST(RunShifts, InsertingABlankRunDropsTheOldestEvenWhenItHeldARun) {
  HorseStore store;
  const int n = addHorse(store, "ゴカイ", fiveRuns());
  insertBlankRun(store, n, 2);
  EXPECT_EQ(finishes(store, n), (std::vector<int>{1, 99, 2, 3, 4}));
  EXPECT_EQ(runSurface(store, n, 2), sj("無"));
  insertBlankRun(store, n, 4);
  EXPECT_EQ(finishes(store, n), (std::vector<int>{1, 99, 2, 99, 3}));
  // Slots 1 and 5 have no insert.
  insertBlankRun(store, n, 5);
  EXPECT_EQ(finishes(store, n), (std::vector<int>{1, 99, 2, 99, 3}));
}

TEST(RunShifts, ANewNewestRunPushesTheOthersBackAndReplacingMovesNothing) {
  HorseStore store;
  const int n = addHorse(store, "ゴカイ", fiveRuns());
  RunRecord run = readRun(store, n, 1);
  run[7] = "9";
  run[4] = " 9 910";
  addNewestRun(store, n, run);
  EXPECT_EQ(finishes(store, n), (std::vector<int>{9, 1, 2, 3, 4}));
  // 追 by the back-runner's tally is overruled by the two front runs after it: 好.
  EXPECT_EQ(horseStyle(store, n), sj("好"));

  run[7] = "12";
  replaceRun(store, n, 3, run);
  EXPECT_EQ(finishes(store, n), (std::vector<int>{9, 1, 12, 3, 4}));
  EXPECT_EQ(store.line(n, 42), horseStyle(store, n));
}

TEST(RunShifts, AHorseOnALaterPageIsChangedInItsOwnPage) {
  HorseStore store;
  for (int i = 0; i < 750; ++i) appendBlock(store, placeholderRecord(identityLine("x", 3, "")));
  const int n = addHorse(store, "ゴカイ", fiveRuns());
  ASSERT_EQ(n, 751);
  const std::vector<std::string_view> before = store.pageLines(0);
  deleteRun(store, n, 1);
  EXPECT_EQ(store.pageLines(0), before);
  EXPECT_EQ(store.pageLines(1)[runLine(1, RunField::Finish) - 1], "2");
  EXPECT_EQ(store.pageLines(1).size(), 42u);
}

}  // namespace
}  // namespace korvane
