#include "core/betting/judgement.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/sjis.hpp"
#include "tests/support/cp932_lines.hpp"
#include "tests/support/expect_page.hpp"
#include "tests/support/judged_race.hpp"

namespace korvane {
namespace {

using testing::JudgedRace;
using testing::listedName;

using testing::sjLines;

const std::string dashes21(21, '-');
const std::string dashes23(23, '-');

// An overall-list item: mark symbol, number, blank, name.
std::string sougou(const char* symbol, int slot) {
  return sj(symbol) + runnerNumber(slot) + " " + listedName(slot);
}

TEST(BetCount, PerKindOfBetAndCap) {
  EXPECT_EQ(betCountFor(BetKind::OneAxis, 7, 3), 3);
  EXPECT_EQ(betCountFor(BetKind::TwoAxes, 6, 6), 5);
  EXPECT_EQ(betCountFor(BetKind::TwoAxes, 6, 2), 1);
  EXPECT_EQ(betCountFor(BetKind::TwoAxes, 2, 7), 1);
  EXPECT_EQ(betCountFor(BetKind::Box, 7, 5), 3);
  EXPECT_EQ(betCountFor(BetKind::Box, 4, 11), 6);
}

TEST(OddsText, OneDecimalFourCharactersUnknownAsQuestionMarks) {
  EXPECT_EQ(oddsText(1234.5), "1234");
  EXPECT_EQ(oddsText(12.34), "12.3");
  EXPECT_EQ(oddsText(156.25), " 156");
  EXPECT_EQ(oddsText(2.2), " 2.2");
  EXPECT_EQ(oddsText(0.0), "  ??");
  EXPECT_EQ(oddsText(estimatedQuinellaOdds(4.0, 6.5)), "13.0");
  EXPECT_EQ(oddsText(estimatedQuinellaOdds(4.0, 0.0)), "  ??");
  EXPECT_EQ(pairText(12, 3), " 3-12");
}

TEST(Judgement, OneAxisOfFiveMarkedHorses) {
  JudgedRace race(10);
  race.marks({3, 1, 7, 2, 9}, BetKind::OneAxis, 80);
  race.card.winOdds[3] = 2.0;
  race.card.winOdds[1] = 5.0;
  race.card.winOdds[7] = 10.0;
  race.card.winOdds[9] = 25.0;  // slot 2 has no odds yet
  const Judgement j = race.judge();
  EXPECT_PAGE(j.sKouho, (std::vector<std::string>{" 3 " + listedName(3), dashes21,
                                                  " 1 " + listedName(1), " 7 " + listedName(7),
                                                  " 2 " + listedName(2), " 9 " + listedName(9)}));
  EXPECT_EQ(j.overall, (std::vector<int>{3, 1, 7, 2, 9}));

  const BetLists bets = computeBets(j);
  EXPECT_EQ(bets.betCount, 4);
  EXPECT_EQ(bets.kaimeLbl, sj("馬連"));
  EXPECT_PAGE(bets.sougou, (std::vector<std::string>{sougou("◎", 3), dashes23, sougou("○", 1),
                                                     sougou("▲", 7), sougou("△", 2), sougou("×", 9),
                                                     "", sj("◎の信頼度は80％")}));
  EXPECT_PAGE(bets.kaime1, sjLines({" 1- 3   5.0倍 ", " 3- 7  10.0倍 ", " 2- 3    ??倍 "}));
  EXPECT_PAGE(bets.kaime2, sjLines({"  3- 9    25.0倍    "}));
  EXPECT_PAGE(bets.kaime3, sjLines({"◎から流し", " （計4点）"}));
  EXPECT_PAGE(bets.tanshou, sjLines({" 3   2.0倍"}));
  EXPECT_PAGE(bets.fukushou, (std::vector<std::string>{" 3"}));
  EXPECT_PAGE(bets.wide, (std::vector<std::string>{" 1- 3", " 3- 7", " 2- 3"}));

  // Fewer bets allowed: the flow stops at the third horse and the line moves up.
  const BetLists two = computeBets(j, 2);
  EXPECT_EQ(two.betCount, 2);
  EXPECT_EQ(two.sougou[4], dashes23);
  EXPECT_PAGE(two.kaime3, sjLines({"◎から流し", " （計2点）"}));
}

TEST(Judgement, TwoAxesOfSixMarkedHorses) {
  JudgedRace race(8);
  race.marks({1, 2, 3, 4, 5, 6}, BetKind::TwoAxes, 55);
  const Judgement j = race.judge();
  EXPECT_EQ(j.sKouho[2], dashes21);  // after the second horse
  const BetLists bets = computeBets(j);
  EXPECT_EQ(bets.kaimeLbl, sj("枠連"));
  EXPECT_EQ(bets.betCount, 7);
  EXPECT_PAGE(bets.kaime1, sjLines({" 1- 2    ??倍 ", " 1- 3    ??倍 ", " 2- 3    ??倍 "}));
  EXPECT_PAGE(bets.kaime2, sjLines({"  1- 4      ??倍    ", "  1- 5      ??倍    ",
                                    "  2- 4      ??倍    ", "  2- 5      ??倍    "}));
  EXPECT_PAGE(bets.kaime3, sjLines({"◎＆○から流し", " （計7点）"}));
  EXPECT_PAGE(bets.sougou,
              (std::vector<std::string>{sougou("◎", 1), sougou("○", 2), dashes23, sougou("▲", 3),
                                        sougou("△", 4), sougou("×", 5), dashes23, sougou("注", 6),
                                        "", sj("◎の信頼度は55％")}));
  EXPECT_PAGE(bets.tanshou, sjLines({" 1    ??倍", " 2    ??倍"}));
}

TEST(Judgement, BoxOfSevenMarkedHorsesForEveryCap) {
  JudgedRace race(9);
  race.marks({1, 2, 3, 4, 5, 6, 7}, BetKind::Box, 30);
  const Judgement j = race.judge();

  const BetLists seven = computeBets(j, 7);
  EXPECT_EQ(seven.kaimeLbl, sj("馬連"));
  EXPECT_EQ(seven.betCount, 6);
  EXPECT_PAGE(seven.kaime2,
              sjLines({"  1- 4      ??倍    ", "  2- 4      ??倍    ", "  3- 4      ??倍    "}));
  EXPECT_PAGE(seven.kaime3, sjLines({"4頭ボックス", " （計6点）"}));
  EXPECT_EQ(seven.sougou[4], dashes23);  // before the fifth horse
  EXPECT_TRUE(seven.tanshou.empty());
  EXPECT_EQ(seven.wide.size(), 3u);

  const BetLists eleven = computeBets(j, 11);
  EXPECT_EQ(eleven.betCount, 10);
  EXPECT_EQ(eleven.kaime2.size(), 7u);
  EXPECT_EQ(eleven.kaime2.back(), sj("  4- 5      ??倍    "));
  EXPECT_PAGE(eleven.kaime3, sjLines({"5頭ボックス", " （計10点）"}));
  EXPECT_EQ(eleven.sougou[5], dashes23);  // before the sixth horse
  EXPECT_PAGE(eleven.wide, (std::vector<std::string>{" 1- 2", " 1- 3", " 2- 3", " 1- 4", " 2- 4"}));

  const BetLists two = computeBets(j, 2);
  EXPECT_EQ(two.betCount, 1);
  EXPECT_PAGE(two.kaime1, sjLines({" 1- 2    ??倍 "}));
  EXPECT_TRUE(two.kaime2.empty());
  EXPECT_PAGE(two.kaime3, sjLines({"１点買い"}));
  EXPECT_EQ(two.sougou[2], dashes23);  // right after the pair
  EXPECT_PAGE(two.wide, (std::vector<std::string>{" 1- 2"}));
}

TEST(Judgement, OneHorseRatedSureBecomesTheAxis) {
  JudgedRace race(10);
  race.marks({1, 2, 3, 4, 5}, BetKind::Box, 30);
  race.rate(8, 1);  // not marked by the program
  const Judgement j = race.judge();
  EXPECT_EQ(j.judgeClass, BetKind::OneAxis);
  EXPECT_EQ(j.overall, (std::vector<int>{8, 1, 2, 3, 4, 5}));
  EXPECT_PAGE(j.uKouho, (std::vector<std::string>{" 8 " + listedName(8)}));
  const BetLists bets = computeBets(j);
  EXPECT_EQ(bets.sougou.front(), sougou("◎", 8));
  EXPECT_EQ(bets.sougou.back(), sougou("注", 5));  // the user judged: no reliability line
  EXPECT_PAGE(bets.kaime3, sjLines({"◎から流し", " （計5点）"}));
  EXPECT_PAGE(bets.tanshou, sjLines({" 8    ??倍"}));
}

TEST(Judgement, UserClassesOrderAndExclusion) {
  JudgedRace race(10);
  race.marks({1, 2, 3, 4, 5, 6, 7}, BetKind::OneAxis, 80);
  race.rate(1, 5);  // the ◎ written off
  race.rate(2, 4);
  EXPECT_EQ(race.judge().overall, (std::vector<int>{3, 4, 5, 6, 7, 2}));

  // Two sure horses, stronger first; the 上位必至 horses follow the program's axis.
  JudgedRace two(10);
  two.marks({1, 2}, BetKind::OneAxis, 80);
  two.result.korvaneOrder.slot = {5, 3, 1, 2, 4, 6, 7, 8, 9, 10};
  two.rate(3, 1);
  two.rate(5, 1);
  two.rate(9, 2);
  two.rate(1, 2);
  const Judgement j = two.judge();
  EXPECT_PAGE(j.uKouho,
              (std::vector<std::string>{" 3 " + listedName(3), " 5 " + listedName(5), dashes21,
                                        " 1 " + listedName(1), " 9 " + listedName(9)}));
  EXPECT_EQ(j.judgeClass, BetKind::TwoAxes);
  EXPECT_EQ(j.overall, (std::vector<int>{5, 3, 1, 9, 2}));
}

TEST(Judgement, NeutralEvaluationsAndScratchedSlots) {
  JudgedRace race(6);
  race.marks({1, 2, 3}, BetKind::TwoAxes, 50);
  race.rate(3, 5);
  scratch(race.card, 4);
  race.card.userRank[4] = 1;  // as a hand-edited race file could hold
  const Judgement neutral = race.judge(UserEvaluations::Neutral);
  EXPECT_EQ(neutral.overall, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(neutral.programOnly);

  const Judgement user = race.judge();
  EXPECT_TRUE(user.rated1.empty());
  EXPECT_EQ(user.overall, (std::vector<int>{1, 2}));
  EXPECT_PAGE(computeBets(user).kaime3, sjLines({"１点買い"}));
}

TEST(Judgement, NothingToJudgeAndALoneHorse) {
  JudgedRace empty(5);
  empty.marks({}, BetKind::None);
  const Judgement none = empty.judge();
  EXPECT_PAGE(none.sKouho, sjLines({"評価できる馬がいません"}));
  const BetLists noBets = computeBets(none);
  EXPECT_PAGE(noBets.sougou, sjLines({"評価できる馬がいません"}));
  EXPECT_EQ(noBets.betCount, 0);
  EXPECT_TRUE(noBets.kaime1.empty() && noBets.kaime3.empty() && noBets.tanshou.empty() &&
              noBets.wide.empty());

  JudgedRace lone(5);
  lone.marks({4}, BetKind::OneAxis, 80);
  const BetLists bets = computeBets(lone.judge());
  EXPECT_PAGE(bets.sougou, (std::vector<std::string>{sougou("◎", 4)}));
  EXPECT_PAGE(bets.tanshou, (std::vector<std::string>{" 4"}));
  EXPECT_PAGE(bets.fukushou, (std::vector<std::string>{" 4"}));
  EXPECT_TRUE(bets.kaime1.empty() && bets.kaime3.empty() && bets.wide.empty());
}

}  // namespace
}  // namespace korvane
