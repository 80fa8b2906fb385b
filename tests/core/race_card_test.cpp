#include "core/database/race_card.hpp"

#include <gtest/gtest.h>

#include "core/text/sjis.hpp"

namespace korvane {
namespace {

// A card with the given horses entered in slot order.
TRaceCard cardWith(std::initializer_list<int> horses) {
  TRaceCard card;
  for (int horse : horses) EXPECT_TRUE(addRunner(card, horse));
  return card;
}

// Gives slot k recognisable data of its own: odds k + 0.5, rank k mod 5 + 1, run k mod 5 + 1
// disregarded.
void markSlot(TRaceCard& card, int k) {
  card.winOdds[k] = k + 0.5;
  card.userRank[k] = k % 5 + 1;
  card.disregard[k][k % 5 + 1] = true;
}

void expectSlotCarries(const TRaceCard& card, int slot, int horse, int markedAs) {
  SCOPED_TRACE("slot " + std::to_string(slot));
  EXPECT_EQ(card.runner[slot], horse);
  EXPECT_DOUBLE_EQ(card.winOdds[slot], markedAs + 0.5);
  EXPECT_EQ(card.userRank[slot], markedAs % 5 + 1);
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(card.disregard[slot][r], r == markedAs % 5 + 1);
}

TEST(RaceCardRunners, AddRefusesADuplicateAndStartsCleanSlots) {
  TRaceCard card = cardWith({12, 7});
  EXPECT_FALSE(addRunner(card, 12));
  EXPECT_EQ(card.runnerCount, 2);

  // Slot 3 still holds data from an earlier, longer card: the new entry must not inherit it.
  card.winOdds[3] = 4.2;
  card.userRank[3] = 1;
  card.disregard[3][2] = true;
  card.oddsComplete = true;
  ASSERT_TRUE(addRunner(card, 5));
  EXPECT_EQ(card.runnerCount, 3);
  EXPECT_EQ(card.runner[3], 5);
  EXPECT_DOUBLE_EQ(card.winOdds[3], 0.0);
  EXPECT_EQ(card.userRank[3], 3);
  EXPECT_FALSE(card.disregard[3][2]);
  EXPECT_FALSE(card.oddsComplete);

  // A full field refuses a 19th runner instead of writing past the slots.
  TRaceCard full;
  for (int horse = 1; horse <= kMaxRunners; ++horse) ASSERT_TRUE(addRunner(full, horse));
  EXPECT_FALSE(addRunner(full, 19));
  EXPECT_EQ(full.runnerCount, kMaxRunners);
}

TEST(RaceCardRunners, RemoveMovesEverythingOfTheLaterSlotsDown) {
  TRaceCard card = cardWith({10, 20, 30, 40});
  for (int k = 1; k <= 4; ++k) markSlot(card, k);
  recomputeAnyDisregard(card);

  removeRunner(card, 2);
  EXPECT_EQ(card.runnerCount, 3);
  expectSlotCarries(card, 1, 10, 1);
  expectSlotCarries(card, 2, 30, 3);
  expectSlotCarries(card, 3, 40, 4);
  // The freed slot keeps nothing of the removed horse.
  EXPECT_EQ(card.runner[4], 0);
  EXPECT_DOUBLE_EQ(card.winOdds[4], 0.0);
  EXPECT_EQ(card.userRank[4], 3);
  for (int r = 1; r <= 5; ++r) EXPECT_FALSE(card.disregard[4][r]);

  removeRunner(card, 3);  // the last slot: nothing moves
  EXPECT_EQ(card.runnerCount, 2);
  expectSlotCarries(card, 1, 10, 1);
  expectSlotCarries(card, 2, 30, 3);

  removeRunner(card, 0);
  removeRunner(card, 3);
  EXPECT_EQ(card.runnerCount, 2);

  // With the last runner that had a disregarded run gone, the race has none.
  card.disregard[1] = {};
  ASSERT_TRUE(card.anyDisregard);
  removeRunner(card, 2);
  EXPECT_FALSE(card.anyDisregard);
}

TEST(RaceCardRunners, MovesSwapAllSlotDataAndStopAtTheEnds) {
  TRaceCard card = cardWith({10, 20, 30});
  for (int k = 1; k <= 3; ++k) markSlot(card, k);

  moveUp(card, 3);
  expectSlotCarries(card, 2, 30, 3);
  expectSlotCarries(card, 3, 20, 2);
  moveDown(card, 1);
  expectSlotCarries(card, 1, 30, 3);
  expectSlotCarries(card, 2, 10, 1);

  const TRaceCard before = card;
  moveUp(card, 1);
  moveDown(card, 3);
  moveDown(card, 4);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(card.runner[k], before.runner[k]);
}

TEST(RaceCardRunners, PopularityFollowsAMovedOrRemovedRunner) {
  TRaceCard card = cardWith({10, 20, 30});
  card.winOdds = {0.0, 5.0, 2.0, 9.0};
  recomputeOdds(card);
  ASSERT_EQ(card.popularity[2], 1);

  moveUp(card, 2);  // the favourite becomes horse number 1
  EXPECT_EQ(card.popularity[1], 1);
  EXPECT_EQ(card.popularity[2], 2);
  EXPECT_EQ(card.popularity[3], 3);

  removeRunner(card, 1);
  EXPECT_EQ(card.popularity[1], 1);
  EXPECT_EQ(card.popularity[2], 2);

  // Taking out the one runner without odds completes the odds of the rest.
  TRaceCard open = cardWith({1, 2, 3});
  open.winOdds = {0.0, 3.0, 0.0, 6.0};
  recomputeOdds(open);
  ASSERT_FALSE(open.oddsComplete);
  removeRunner(open, 2);
  EXPECT_TRUE(open.oddsComplete);
  EXPECT_EQ(open.popularity[2], 2);
}

TEST(RaceCardRunners, ScratchKeepsTheSlotWithScratchedOdds) {
  TRaceCard card = cardWith({4, 5, 6, 7});
  for (int k = 1; k <= 4; ++k) markSlot(card, k);
  card.disregard[3] = {false, true, true, true, true, true};

  scratch(card, 3);
  EXPECT_EQ(card.runnerCount, 4);
  EXPECT_EQ(card.runner[3], 0);
  EXPECT_DOUBLE_EQ(card.winOdds[3], 9999.0);
  EXPECT_EQ(card.userRank[3], 3);
  for (int r = 1; r <= 5; ++r) EXPECT_FALSE(card.disregard[3][r]);
  expectSlotCarries(card, 4, 7, 4);
  // The other slots still have odds, so the field is complete and the scratched slot is last.
  EXPECT_TRUE(card.oddsComplete);
  EXPECT_EQ(card.popularity[3], 4);
  // A scratched horse can be entered again: the scratched slot holds no horse.
  EXPECT_TRUE(addRunner(card, 6));
}

TEST(RaceCardRunners, ClearEmptiesTheSlotsButKeepsTheCourse) {
  TRaceCard card = cardWith({1, 2});
  card.distance = 2400;
  card.course = sj("京都(外)");
  card.surface = sj("ダ");
  card.going = sj("不良");
  card.development = developments()[4];
  card.winOdds = {0.0, 2.0, 3.0};
  card.disregard[1][1] = true;
  recomputeOdds(card);
  recomputeAnyDisregard(card);

  clearCard(card);
  EXPECT_EQ(card.runnerCount, 0);
  EXPECT_FALSE(card.oddsComplete);
  EXPECT_FALSE(card.anyDisregard);
  for (int k = 1; k <= kMaxRunners; ++k) {
    EXPECT_DOUBLE_EQ(card.winOdds[k], 0.0);
    EXPECT_EQ(card.userRank[k], 3);
    EXPECT_EQ(card.popularity[k], 0);
    for (int r = 1; r <= 5; ++r) EXPECT_FALSE(card.disregard[k][r]);
  }
  EXPECT_EQ(card.distance, 2400);
  EXPECT_EQ(card.course, sj("京都(外)"));
  EXPECT_EQ(card.surface, sj("ダ"));
  EXPECT_EQ(card.going, sj("不良"));
  EXPECT_EQ(card.development, sj("差し追込断然"));
}

TEST(RaceCardOdds, TiesShareTheBestRankAndScratchedSlotsComeLast) {
  TRaceCard card = cardWith({1, 2, 3, 4, 5});
  card.winOdds = {0.0, 3.0, 9999.0, 3.0, 12.5, 1.8};
  recomputeOdds(card);
  ASSERT_TRUE(card.oddsComplete);
  EXPECT_EQ(card.popularity[5], 1);
  EXPECT_EQ(card.popularity[1], 2);
  EXPECT_EQ(card.popularity[3], 2);
  EXPECT_EQ(card.popularity[4], 4);
  EXPECT_EQ(card.popularity[2], 5);
}

TEST(RaceCardOdds, OneMissingOddsLeavesThePopularityUncomputed) {
  TRaceCard card = cardWith({1, 2, 3});
  card.winOdds = {0.0, 3.0, 0.0, 4.0};
  card.popularity = {0, 7, 7, 7};
  recomputeOdds(card);
  EXPECT_FALSE(card.oddsComplete);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(card.popularity[k], 0);

  TRaceCard empty;
  recomputeOdds(empty);
  EXPECT_FALSE(empty.oddsComplete);

  // Odds entered beyond the runner count do not count.
  TRaceCard one = cardWith({9});
  one.winOdds[1] = 1.5;
  recomputeOdds(one);
  EXPECT_TRUE(one.oddsComplete);
  EXPECT_EQ(one.popularity[1], 1);
}

TEST(RaceCardDevelopment, StandardDevelopmentByCourseDistanceAndGoing) {
  const std::string front = sj("逃げ先行有利"), open = sj("展開不問");
  const std::string turf = sj("芝"), dirt = sj("ダ"), good = sj("良"), soft = sj("稍重");
  EXPECT_EQ(standardDevelopment(turf, sj("中山"), 2500, good), front);
  EXPECT_EQ(standardDevelopment(turf, sj("中山"), 3000, good), open);
  EXPECT_EQ(standardDevelopment(turf, sj("東京"), 1400, good), front);
  EXPECT_EQ(standardDevelopment(turf, sj("東京"), 1600, soft), open);
  EXPECT_EQ(standardDevelopment(turf, sj("京都"), 1800, good), front);
  EXPECT_EQ(standardDevelopment(turf, sj("京都(外)"), 1600, good), front);
  EXPECT_EQ(standardDevelopment(turf, sj("京都(外)"), 1800, good), open);
  EXPECT_EQ(standardDevelopment(turf, sj("新潟(外)"), 2000, good), open);
  EXPECT_EQ(standardDevelopment(turf, sj("阪神(外)"), 1800, good), open);
  // Heavy ground favours the front runners again.
  EXPECT_EQ(standardDevelopment(turf, sj("東京"), 2400, sj("重")), front);
  EXPECT_EQ(standardDevelopment(turf, sj("中山"), 3600, sj("不良")), front);
  // Dirt always favours the front.
  EXPECT_EQ(standardDevelopment(dirt, sj("東京"), 3000, good), front);
  EXPECT_EQ(TRaceCard().development, front);
}

}  // namespace
}  // namespace korvane
