#include "core/entry/run_prefill.hpp"

#include <gtest/gtest.h>

#include "core/entry/run_shifts.hpp"
#include "tests/core/engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::addHorse;
using testing::PastRun;

constexpr YearMonth kToday{2009, 3};

PastRun run(const std::string& course, const std::string& yymm, const std::string& surface) {
  PastRun r;
  r.course = course;
  r.yymm = yymm;
  r.surface = surface;
  return r;
}

TEST(RunPrefill, EditingAStoredRunSetsEveryList) {
  HorseStore store;
  PastRun stored = run("大", "0811", "ダ");
  stored.distance = 1400;
  stored.time = "1272";
  stored.corners = " 310 9";
  stored.last3F = 384;
  stored.going = "不";
  stored.finish = 12;
  const int n =
      addHorse(store, "ゴカイ", {run("中", "0902", "芝"), stored, run("東", "0805", "芝")});
  const RunEntry e = openRunEntry(store, n, 2, kToday);
  EXPECT_EQ(e.heading(), sj("前々走"));
  EXPECT_EQ(e.chakuText(), sj("12着"));
  EXPECT_EQ(e.keibajouText(), sj("大井"));
  EXPECT_EQ(e.kaisaiText(), "'08/11");
  EXPECT_EQ(e.courseText(), sj("ダ1400m"));
  EXPECT_EQ(e.babaText(), sj("■不良"));
  EXPECT_EQ(e.tokeiText(), "1.27.2");
  EXPECT_EQ(e.ichiText(), "3.10.9");
  EXPECT_EQ(e.agariText(), "38.4");
  EXPECT_EQ(e.olderText(), "'08/05");
  EXPECT_EQ(e.newerText(), "'09/02");
  // Opened and completed unchanged, the run is stored as it was.
  EXPECT_EQ(e.completedRun(), readRun(store, n, 2));
}

TEST(RunPrefill, NotEnteredFieldsSetTheirFlagsAndAnUnlistedDistanceIsKept) {
  HorseStore store;
  PastRun stored = run("東", "0901", "芝");
  stored.distance = 3800;
  stored.corners = " 0 0 0";
  stored.last3F = 999;
  stored.finish = 99;
  const int n = addHorse(store, "ゴカイ", {stored});
  const RunEntry e = openRunEntry(store, n, 1, kToday);
  EXPECT_EQ(e.ichiText(), sj("不明"));
  EXPECT_EQ(e.agariText(), sj("不明"));
  EXPECT_EQ(e.chakuText(), "");
  EXPECT_EQ(e.courseText(), sj("芝3800m"));
  EXPECT_EQ(e.selected(EntryList::Kyori2), kNoPick);
  EXPECT_EQ(e.completedRun(), readRun(store, n, 1));
}

TEST(RunPrefill, AnEmptySlotTakesPlaceDateAndSurfaceFromTheNewerRun) {
  HorseStore store;
  const int n = addHorse(store, "ゴカイ", {run("中", "0902", "芝"), run("園", "0812", "ダ")});
  const RunEntry e = openRunEntry(store, n, 3, kToday);
  EXPECT_EQ(e.heading(), "3" + sj("走前"));
  EXPECT_EQ(e.keibajouText(), sj("園田"));
  EXPECT_EQ(e.kaisaiText(), "'08/12");
  EXPECT_EQ(e.courseText(), sj("ダ 800m"));
  EXPECT_EQ(e.chakuText(), sj("1着"));
  EXPECT_EQ(e.tokeiText(), "0.00.0");
  EXPECT_EQ(e.newerText(), "'08/12");
  EXPECT_EQ(e.olderText(), sj("データなし"));

  // Slot 1 empty: its own blank 東0000, so 東京 and 1月 by the clock.
  HorseStore fresh;
  const int m = addHorse(fresh, "ゴカイ", {});
  const RunEntry first = openRunEntry(fresh, m, 1, kToday);
  EXPECT_EQ(first.keibajouText(), sj("東京"));
  EXPECT_EQ(first.kaisaiText(), "'09/01");
}

TEST(RunPrefill, ANewNewestRunStartsWhereTheLastOneWas) {
  HorseStore store;
  const int n = addHorse(store, "ゴカイ", {run("函", "9908", "ダ")});
  const RunEntry e = openRunEntry(store, n, 0, YearMonth{2005, 6});
  EXPECT_EQ(e.heading(), sj("前走"));
  EXPECT_EQ(e.keibajouText(), sj("函館"));
  EXPECT_EQ(e.courseText(), sj("ダ 800m"));
  // '99/08 is six years back: the list still holds it, across the century.
  EXPECT_EQ(e.kaisaiText(), "'99/08");
  EXPECT_EQ(e.olderText(), "'99/08");
  EXPECT_EQ(yearIndexOf(99, 2005), 6);
  EXPECT_EQ(yearIndexOf(95, 2005), kNoPick);
  EXPECT_EQ(yearIndexOf(6, 2005), kNoPick);
}

}  // namespace
}  // namespace korvane
