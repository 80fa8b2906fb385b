#include "core/entry/run_entry.hpp"

#include <gtest/gtest.h>

#include "core/text/sjis.hpp"
#include "tests/support/cp932_lines.hpp"

namespace korvane {
namespace {

constexpr YearMonth kToday{2009, 3};

// A new newest run of a horse without other runs, 1月 chosen on opening.
RunEntry freshEntry(RunChoices c = {}, std::optional<YearMonth> older = std::nullopt) {
  return RunEntry(c, 0, older, std::nullopt, kToday);
}

// Chooses time digits and last 3F digits (tens item, seconds, tenths) on a fresh entry at
// `distance` index.
RunEntry timed(int distance, std::array<int, 4> time, std::array<int, 3> last3F) {
  RunEntry e = freshEntry();
  distance < 18 ? e.click(EntryList::Kyori, distance) : e.click(EntryList::Kyori2, distance - 18);
  for (int i = 0; i < 4; ++i)
    e.click(static_cast<EntryList>(static_cast<int>(EntryList::Tokei1) + i), time[i]);
  for (int i = 0; i < 3; ++i)
    e.click(static_cast<EntryList>(static_cast<int>(EntryList::Agari1) + i), last3F[i]);
  return e;
}

TEST(RunEntry, LapTenthsAreCutWithoutASecondRounding) {
  // 2000m in 2:00.0 with 35.0: 85 s over 7 furlongs.
  EXPECT_EQ(lap10(120.0, 35.0, 20), 121);
  EXPECT_EQ(lap10(68.0, 34.0, 12), 113);
  EXPECT_EQ(lap10(65.0, 34.0, 12), 103);
  // A lap of 10.6 s is just below 10.6 as a double: 105, not 106.
  EXPECT_EQ(lap10(10.6 * 3 + 34.0, 34.0, 12), 105);
  EXPECT_EQ(lap10(13.5 * 3 + 34.0, 34.0, 12), 135);
  EXPECT_EQ(lap10(60.0, 34.0, 6), 0);
}

TEST(RunEntry, CompletionAsksAboutDoubtfulTimesOnlyWithALast3F) {
  // 1200m (index 5) in 1:08.0 with 34.0: lap10 113, no question.
  EXPECT_EQ(timed(5, {1, 0, 8, 0}, {0, 4, 0}).pace(), Pace::Plausible);
  EXPECT_EQ(timed(5, {1, 0, 5, 0}, {0, 4, 0}).pace(), Pace::TooFast);
  // 2000m (index 13) in 2:00.0 with 35.0: 121.
  EXPECT_EQ(timed(13, {2, 0, 0, 0}, {0, 5, 0}).pace(), Pace::Plausible);
  // 1200m in 1:15.0 with 34.0: 41 s over 3 furlongs, 136.
  RunEntry slow = timed(5, {1, 1, 5, 0}, {0, 4, 0});
  EXPECT_EQ(slow.pace(), Pace::TooSlow);
  slow.setNoLast3F();
  EXPECT_EQ(slow.pace(), Pace::Plausible);
  EXPECT_EQ(slow.page(), EntryPage::Kanryou);

  // 1150m reads as 11 hundreds from the course field: 1:08.0 with 34.0 is 13.6 a furlong.
  EXPECT_EQ(timed(4, {1, 0, 8, 0}, {0, 4, 0}).pace(), Pace::TooSlow);

  EXPECT_FALSE(freshEntry().timeEntered());
  EXPECT_TRUE(timed(5, {0, 0, 0, 1}, {0, 4, 0}).timeEntered());
}

TEST(RunEntry, ALocalRacecourseChoosesDirtAndAnotherLeavesIt) {
  RunEntry e = freshEntry();
  e.click(EntryList::Keibajou3, 0);
  EXPECT_EQ(e.keibajouText(), sj("大井"));
  EXPECT_EQ(e.selected(EntryList::Course), 1);
  e.click(EntryList::Keibajou, 0);
  EXPECT_EQ(e.keibajouText(), sj("東京"));
  EXPECT_EQ(e.selected(EntryList::Course), 1);
  EXPECT_EQ(e.selected(EntryList::Keibajou3), kNoPick);
  EXPECT_EQ(e.courseText(), sj("ダ 800m"));
  // The list shows 名古 for 名古屋.
  e.click(EntryList::Keibajou4, 8);
  EXPECT_EQ(e.keibajouText(), sj("名古屋"));
  EXPECT_EQ(racecourse(37).item, sj(" 名古"));
}

TEST(RunEntry, TheYearFollowsTheMonthAndTheNeighbouringRuns) {
  RunEntry e = freshEntry({}, YearMonth{2009, 3});
  // Opened on 1月, which would be 2010: not in the list of 2009, so its first item.
  EXPECT_EQ(e.kaisaiText(), "'09/01");
  EXPECT_EQ(e.selected(EntryList::Nen), 0);
  e.click(EntryList::Tsuki, 11);
  EXPECT_EQ(e.kaisaiText(), "'09/12");

  const YearMonth in2010{2010, 5};
  RunEntry later(RunChoices{}, 0, YearMonth{2009, 3}, std::nullopt, in2010);
  later.click(EntryList::Tsuki, 0);
  EXPECT_EQ(later.kaisaiText(), "'10/01");
  later.click(EntryList::Tsuki, 11);
  EXPECT_EQ(later.kaisaiText(), "'09/12");

  // Only a newer run: a later month lies in the year before it.
  RunEntry between(RunChoices{}, 3, std::nullopt, YearMonth{2008, 4}, kToday);
  between.click(EntryList::Tsuki, 4);
  EXPECT_EQ(between.kaisaiText(), "'07/05");
  // No neighbour: a month after this one is last year's.
  RunEntry alone = freshEntry();
  alone.click(EntryList::Tsuki, 3);
  EXPECT_EQ(alone.kaisaiText(), "'08/04");
  EXPECT_EQ(alone.olderText(), sj("データなし"));
  EXPECT_EQ(yearItems(2009)[0], sj("今年('09)"));
  EXPECT_EQ(yearItems(2009)[1], sj("去年('08)"));
  EXPECT_EQ(yearItems(2009)[2], sj(" '０７"));
}

TEST(RunEntry, TheTimePageSuggestsMinutesAndTensFromTheDistance) {
  RunEntry e = freshEntry();
  e.click(EntryList::Kyori, 9);  // 1600m
  e.click(EntryList::Course, 1);
  e.click(EntryList::Keibajou, 1);  // 中山
  e.showPage(EntryPage::Tokei);
  EXPECT_EQ(e.tokeiText(), "1.40.0");
  RunEntry tokyo = freshEntry();
  tokyo.click(EntryList::Kyori, 9);
  tokyo.click(EntryList::Course, 1);
  tokyo.showPage(EntryPage::Tokei);
  EXPECT_EQ(tokyo.tokeiText(), "1.30.0");
  // A time already chosen stays.
  tokyo.click(EntryList::Tokei4, 5);
  tokyo.click(EntryList::Kyori2, 0);
  tokyo.showPage(EntryPage::Tokei);
  EXPECT_EQ(tokyo.tokeiText(), "1.30.5");

  RunEntry marathon = freshEntry();
  marathon.click(EntryList::Kyori2, 12);  // 4000m
  marathon.showPage(EntryPage::Tokei);
  EXPECT_EQ(marathon.tokeiText(), "0.00.0");
  EXPECT_EQ(marathon.courseText(), sj("芝4000m"));
}

TEST(RunEntry, ASecondClickOrADoubleClickMovesOnWhereTheListDoes) {
  RunEntry e = freshEntry();
  e.click(EntryList::Chaku, 2);
  EXPECT_EQ(e.page(), EntryPage::Chaku);
  e.click(EntryList::Chaku, 2);
  EXPECT_EQ(e.page(), EntryPage::Keibajou);
  // A double click as the desktop sends it: a click, then the double click.
  e.click(EntryList::Keibajou2, 3);
  e.doubleClick(EntryList::Keibajou2, 3);
  EXPECT_EQ(e.page(), EntryPage::Kaisai);
  // A double click whose page was left already does nothing.
  e.doubleClick(EntryList::Keibajou2, 3);
  EXPECT_EQ(e.page(), EntryPage::Kaisai);
  // Double-clicking the month already chosen: its first click moves on, and the second press,
  // which lands on the next page's lists, chooses nothing there.
  e.click(EntryList::Tsuki, 0);
  e.click(EntryList::Tsuki, 0);
  EXPECT_EQ(e.page(), EntryPage::Course);
  e.doubleClick(EntryList::Kyori, 17);
  EXPECT_EQ(e.page(), EntryPage::Course);
  EXPECT_EQ(e.courseText(), sj("芝 800m"));
  e.showPage(EntryPage::Course);
  e.click(EntryList::Course, 0);
  e.click(EntryList::Course, 0);
  EXPECT_EQ(e.page(), EntryPage::Course);
  e.doubleClick(EntryList::Kyori2, 0);
  EXPECT_EQ(e.page(), EntryPage::Joutai);
  EXPECT_EQ(e.selected(EntryList::Kyori), kNoPick);
  // Entering the time page by moving on suggests a time too: 2500m turf, 2:3.
  e.doubleClick(EntryList::Baba, 3);
  EXPECT_EQ(e.page(), EntryPage::Tokei);
  EXPECT_EQ(e.tokeiText(), "2.30.0");
  e.setNoPositions();
  EXPECT_EQ(e.page(), EntryPage::Agari);
}

TEST(RunEntry, CornerPositionsCarryOverToTheLaterCorners) {
  RunEntry e = freshEntry();
  EXPECT_EQ(e.ichiText(), sj("不明"));
  e.click(EntryList::Ichi1, 9);
  EXPECT_EQ(e.ichiText(), "10.10.10");
  e.click(EntryList::Ichi2, 2);
  EXPECT_EQ(e.ichiText(), "10.3.3");
  e.click(EntryList::Ichi3, 0);
  EXPECT_EQ(e.ichiText(), "10.3.1");
  e.setNoPositions();
  EXPECT_EQ(e.ichiText(), sj("不明"));
  EXPECT_EQ(e.selected(EntryList::Ichi1), 0);
  EXPECT_EQ(e.agariText(), sj("不明"));
  e.click(EntryList::Agari1, 1);
  EXPECT_EQ(e.agariText(), "40.0");
}

TEST(RunEntry, TheStoredRunByteForByte) {
  RunEntry e = freshEntry();
  e.click(EntryList::Chaku, 11);
  e.click(EntryList::Keibajou5, 4);  // 高知
  e.click(EntryList::Tsuki, 1);
  e.click(EntryList::Kyori, 0);
  e.click(EntryList::Baba, 1);
  e.click(EntryList::Tokei2, 4);
  e.click(EntryList::Tokei3, 9);
  e.click(EntryList::Tokei4, 2);
  e.click(EntryList::Ichi1, 1);
  e.click(EntryList::Ichi3, 9);
  e.click(EntryList::Agari2, 6);
  e.click(EntryList::Agari3, 8);
  EXPECT_EQ(e.chakuText(), sj("12着"));
  EXPECT_EQ(e.babaText(), sj("□稍重"));
  const RunRecord run = e.completedRun();
  EXPECT_EQ(std::vector<std::string>(run.begin(), run.end()),
            testing::sjLines({"ダ", " 800", "知0902", "0492", " 2 210", "368", "稍", "12"}));

  const RunRecord none = e.noDataRun();
  EXPECT_EQ(std::vector<std::string>(none.begin(), none.end()),
            testing::sjLines({"無", "9999", "知0000", "0492", " 2 210", "999", "無", "99"}));

  RunChoices nowhere;
  nowhere.course = kNoRacecourse;
  nowhere.finish = kNoPick;
  RunEntry lost = freshEntry(nowhere);
  EXPECT_FALSE(lost.hasRacecourse());
  EXPECT_EQ(lost.noDataRun()[2], sj("東0000"));
  EXPECT_EQ(lost.completedRun()[7], "99");
}

}  // namespace
}  // namespace korvane
