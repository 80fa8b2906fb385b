#include <gtest/gtest.h>

#include "core/engine/run_cache.hpp"
#include "core/engine/tallies.hpp"
#include "core/text/sjis.hpp"

namespace korvane {
namespace {

// A run of the cache as the comparison sees it; runs with the same `place` and `month` met in
// the same race.
CachedRun run(int finish, int corner4, int time, int last3F = 345, std::uint64_t place = 1,
              int distance = 1600) {
  CachedRun r;
  r.place = place;
  r.month = 1;
  r.nearMonths.fill(1);
  r.distance = distance;
  r.finish = finish;
  r.corner4 = corner4;
  r.time = time;
  r.last3F = last3F;
  r.present = true;
  r.raceSurface = true;
  return r;
}

TRaceCard card(int runners, int distance = 1600) {
  TRaceCard c;
  c.runnerCount = runners;
  c.distance = distance;
  for (int k = 1; k <= runners; ++k) c.runner[k] = k;
  return c;
}

TEST(EngineRanking, EqualScoresShareTheBestRank) {
  SlotValues score{}, rank{};
  score[1] = 5;
  score[2] = 3;
  score[3] = 3;
  score[4] = 1;
  rankDescending(score, rank, 4);
  EXPECT_EQ((std::array<int, 4>{rank[1], rank[2], rank[3], rank[4]}),
            (std::array<int, 4>{1, 2, 2, 4}));
  rankAscending(score, rank, 4);
  EXPECT_EQ((std::array<int, 4>{rank[1], rank[2], rank[3], rank[4]}),
            (std::array<int, 4>{4, 2, 2, 1}));
}

TEST(EnginePairScoring, HalvesRoundDownAndComparedRunnersLeave500) {
  EXPECT_EQ(pointsOf(0, 0), 500);  // never compared
  EXPECT_EQ(pointsOf(1, 1), 501);  // level after halving, but compared
  EXPECT_EQ(pointsOf(0, 1), 501);  // a half point lost to rounding still counts as compared
  EXPECT_EQ(pointsOf(3, 1), 502);  // 501 plus one for being ahead
  EXPECT_EQ(pointsOf(4, 2), 502);
  EXPECT_EQ(pointsOf(2, 4), 499);  // behind: no extra point
  EXPECT_EQ(pointsOf(0, 6), 497);
}

TEST(EnginePairScoring, WinsLossesAndLevelRecordsByRank) {
  // Four runners ranked 1, 2, 2, 4. Runner 1 beat 2, lost to 4, was level with 3.
  PairTable win{}, loss{};
  win[1][2] = 4;
  loss[1][4] = 2;
  win[1][3] = loss[1][3] = 1;
  SlotValues rank{}, points{};
  rank[1] = 1;
  rank[2] = 2;
  rank[3] = 2;
  rank[4] = 4;
  pairPoints(standingOf(win, loss, 4), rank, 4, true, points);
  // plus = 2 x (4 - 2 + 1) + (4 - (1 + 2) div 2 + 1) = 6 + 4, minus = 2 x 4: 500 + 5 - 4 = 501,
  // above 500: 502.
  EXPECT_EQ(points[1], 502);
  EXPECT_EQ(points[2], 500);  // nothing in its own row
  // Variant 5 ignores the level record: plus 6, minus 8: 500 + 3 - 4 = 499.
  pairPoints(standingOf(win, loss, 4), rank, 4, false, points);
  EXPECT_EQ(points[1], 499);
}

// Weights of runners in every group of four slots, the last group holding slots 16 to 18 only.
TEST(EnginePairScoring, WeightsOfRunnersAcrossTheWholeField) {
  SlotValues rank{};
  for (int k = 1; k <= 18; ++k) rank[k] = k;
  const RankWeights weights(rank, 18);
  // Runner 9 beat 13..18 (2 x (19 - k) each: 12 + 10 + 8 + 6 + 4 + 2 = 42) and lost to 1, 2 and
  // 5..8 (2 x k each: 2 + 4 + 10 + 12 + 14 + 16 = 58): 500 + 21 - 29.
  const std::uint32_t ahead = 0x7E000u, behind = 0x1E6u;
  EXPECT_EQ(weights.points(9, ahead, 0, behind), 492);
  // A level meeting with 18 weighs 18 - (9 + 18) div 2 + 1 = 6: 500 + 24 - 29.
  EXPECT_EQ(weights.points(9, ahead, 1u << 18, behind), 495);
  EXPECT_EQ(weights.points(9, 0, 0, 0), 500);
}

TEST(EngineDistanceWindow, RowsAndDistancesTheTableDoesNotList) {
  const DistanceWindow before{123, 456};
  auto is = [&](int d, int lo, int hi) {
    const DistanceWindow w = distanceWindow(d, before);
    EXPECT_EQ(w.min, lo) << d;
    EXPECT_EQ(w.max, hi) << d;
  };
  is(0, 1, 3600);
  is(1000, 800, 1600);
  is(1150, 800, 1600);
  is(1300, 800, 1600);
  is(1400, 800, 1800);
  is(1600, 1400, 2000);
  is(1700, 1400, 2000);
  is(1800, 1400, 3600);
  is(2100, 1400, 3600);
  is(2200, 1600, 3600);
  is(2600, 1800, 3600);
  is(3000, 2000, 3600);
  is(3600, 2000, 3600);
  // Not in the table: the window of the pass before stays.
  is(1750, 123, 456);
  is(3700, 123, 456);
  is(50, 123, 456);
}

TEST(EngineMeetingPeriod, MonthVariantsRollOverTheYear) {
  auto variants = [](const std::string& yymm) {
    const auto v = meetingVariants(sj("東") + yymm + sj("芝良"));
    std::array<std::string, 4> months;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(v[i].substr(0, 2), sj("東"));
      EXPECT_EQ(v[i].substr(6), sj("芝良"));
      months[i] = v[i].substr(2, 4);
    }
    return months;
  };
  // month - 1, month + 1, month - 2, month + 2
  EXPECT_EQ(variants("0906"), (std::array<std::string, 4>{"0905", "0907", "0904", "0908"}));
  EXPECT_EQ(variants("0901"), (std::array<std::string, 4>{"0812", "0902", "0811", "0903"}));
  EXPECT_EQ(variants("0902"), (std::array<std::string, 4>{"0901", "0903", "0812", "0904"}));
  EXPECT_EQ(variants("0911"), (std::array<std::string, 4>{"0910", "0912", "0909", "1001"}));
  EXPECT_EQ(variants("0912"), (std::array<std::string, 4>{"0911", "1001", "0910", "1002"}));
  EXPECT_EQ(variants("0001"), (std::array<std::string, 4>{"9912", "0002", "9911", "0003"}));
  EXPECT_EQ(variants("9912"), (std::array<std::string, 4>{"9911", "0001", "9910", "0002"}));
}

TEST(EngineVerdict, TimeAndLast3FVotes) {
  const CachedRun fast = run(1, 1, 931, 345), slow = run(2, 2, 935, 350);
  EXPECT_EQ(verdict(fast, slow, true), 2);
  EXPECT_EQ(verdict(slow, fast, true), -2);
  EXPECT_EQ(verdict(fast, slow, false), 1);
  // Faster time but slower finish: the votes cancel out.
  EXPECT_EQ(verdict(run(1, 1, 931, 350), run(2, 2, 935, 345), true), 0);
  // 990 and above (999 = not entered) never vote.
  EXPECT_EQ(verdict(run(1, 1, 931, 999), run(2, 2, 931, 345), true), 0);
  EXPECT_EQ(verdict(run(1, 1, 931, 990), run(2, 2, 931, 345), true), 0);
  EXPECT_EQ(verdict(run(1, 1, 931, 989), run(2, 2, 931, 345), true), -1);
}

TEST(EngineVerdict, AMissingTimeNeverBeatsATimedRun) {
  // 0000 was never entered: it must not read as the fastest time of all.
  EXPECT_EQ(timeInTenths("0000"), 0);
  EXPECT_EQ(verdict(run(1, 1, timeInTenths("0000")), run(2, 2, 931), false), 0);
  EXPECT_EQ(verdict(run(1, 1, 931), run(2, 2, 0), false), 0);
  // The last 600 m still decide when both have them.
  EXPECT_EQ(verdict(run(1, 1, 0, 340), run(2, 2, 931, 345), true), 1);
}

TEST(EngineVerdict, TimesAndTheRacesWhereTheLast600mCount) {
  EXPECT_EQ(timeInTenths("1331"), 931);
  EXPECT_EQ(timeInTenths("2005"), 1205);
  EXPECT_EQ(timeInTenths("133"), 0);  // too short: not entered
  TRaceCard c;
  c.course = sj("中山");
  c.distance = 1500;
  EXPECT_TRUE(last3FVotes(c));
  c.distance = 1400;
  EXPECT_FALSE(last3FVotes(c));
  c.course = sj("東京");
  EXPECT_TRUE(last3FVotes(c));
  c.distance = 1300;
  EXPECT_FALSE(last3FVotes(c));
}

TEST(EngineUsableRun, SurfaceWindowAndDisregard) {
  const DistanceWindow w{1400, 2000};
  CachedRun r = run(1, 1, 931);
  EXPECT_TRUE(usableRun(r, false, 1600, w));
  EXPECT_FALSE(usableRun(r, true, 1600, w));
  r.distance = 2200;
  EXPECT_FALSE(usableRun(r, false, 1600, w));
  r.distance = 2000;
  r.raceSurface = false;  // dirt run, turf race
  EXPECT_FALSE(usableRun(r, false, 1600, w));
  EXPECT_TRUE(usableRun(r, false, 0, {1, 3600}));  // every surface counts over all distances
  r.present = false;                               // 無: no run at all
  EXPECT_FALSE(usableRun(r, false, 0, {1, 3600}));
}

// Runner 1 beat runner 2 by a length: 2 points from its own good run, but runner 2's 4th place
// from 4th at the last corner is no good run to be measured against, so the record is 2-0 on
// runner 1's side only...
TEST(EngineComparisonPass, RecordsCloserThanFourPointsBecomeLevel) {
  RunCache cache{};
  cache[1][1] = run(1, 1, 931);
  cache[2][1] = run(4, 4, 935);
  Tallies t;
  comparisonPass(t, cache, card(2), 1600, {});
  // ...and 2-0 becomes 1-1 in the good-run set (the second set after a race-distance pass).
  EXPECT_EQ(t.win2[1][2], 1);
  EXPECT_EQ(t.loss2[1][2], 1);
  EXPECT_EQ(t.win2[2][1], 1);
  EXPECT_EQ(t.loss2[2][1], 1);
}

// Runner 1 (4th from 4th: good on its own side only) beat runner 2's winning run and drew with
// its second run: 3-1 for runner 1, 0-2 for runner 2 from the good runs.
TEST(EngineComparisonPass, ThreeOneIsLevelAndTheSetsSwapForTheRaceDistance) {
  RunCache cache{};
  cache[1][1] = run(4, 4, 931);
  cache[1][2] = run(4, 4, 935, 345, 2);
  cache[2][1] = run(1, 1, 933);
  cache[2][2] = run(2, 2, 935, 345, 2);

  Tallies race;
  comparisonPass(race, cache, card(2), 1600, {});
  // First set: the good runs (level after closing) plus one point per run of loop 2:
  // 1 beat 2 (each side enters it) and they drew twice (once from each side).
  EXPECT_EQ(race.win[1][2], 1 + 1 + 1 + 1);
  EXPECT_EQ(race.loss[1][2], 1 + 1);
  EXPECT_EQ(race.win[2][1], 1 + 1);
  EXPECT_EQ(race.loss[2][1], 1 + 1 + 1 + 1);
  // Second set: the good runs alone, 3-1 and 0-2 both closed to 1-1.
  EXPECT_EQ(race.win2[1][2], 1);
  EXPECT_EQ(race.loss2[1][2], 1);
  EXPECT_EQ(race.win2[2][1], 1);
  EXPECT_EQ(race.loss2[2][1], 1);

  // Over all distances nothing is exchanged.
  Tallies all;
  comparisonPass(all, cache, card(2), 0, {});
  EXPECT_EQ(all.win[1][2], 1);
  EXPECT_EQ(all.win2[1][2], 4);
  EXPECT_EQ(all.loss2[2][1], 4);
  EXPECT_EQ(all.window.min, 1);
  EXPECT_EQ(all.window.max, 3600);
}

// 1 beat 2 and 2 beat 3 decisively; 1 and 3 never met. The transitive step gives 1 a win over 3
// from both directions, and only in its first repetition.
TEST(EngineComparisonPass, TransitiveStepAndInitialScore) {
  RunCache cache{};
  cache[1][1] = run(1, 1, 931, 345, 1);
  cache[2][1] = run(2, 2, 935, 350, 1);
  cache[2][2] = run(1, 1, 931, 345, 2);
  cache[3][1] = run(2, 2, 935, 350, 2);
  int calls = 0;
  Tallies t;
  comparisonPass(t, cache, card(3), 0, [&] { ++calls; });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(t.win[1][2], 4);
  EXPECT_EQ(t.win[2][3], 4);
  EXPECT_EQ(t.win[1][3], 2);
  EXPECT_EQ(t.loss[3][1], 2);
  EXPECT_EQ(t.loss[1][3], 0);
  EXPECT_TRUE(t.decided[1] >> 3 & 1u);
  // Loop 2 adds one point per side to the pairs that met, none to 1 and 3.
  EXPECT_EQ(t.win2[1][2], 6);
  EXPECT_EQ(t.win2[1][3], 2);
  // Initial score 8, 0, -8: ranks 1, 2, 3. Pairwise scoring without level records (the race has a
  // distance): 1: plus 2 x 2 + 2 x 1 = 6, 503 + 1; 2: plus 2, minus 2: 500 + 1; 3: minus 2 + 4.
  EXPECT_EQ(t.score[1], 504);
  EXPECT_EQ(t.score[2], 501);
  EXPECT_EQ(t.score[3], 497);
  EXPECT_EQ(t.rank[1], 1);
  EXPECT_EQ(t.rank[3], 3);
}

// A full field whose five runs each all met: every runner beat every higher slot in every run,
// but 17 and 18 always finished level. Each pair's entries come from both sides' runs.
TEST(EngineComparisonPass, AFullFieldCountsEveryRunOfBothSides) {
  RunCache cache{};
  for (int k = 1; k <= 18; ++k) {
    for (int r = 1; r <= kRuns; ++r) cache[k][r] = run(1, 1, 900 + std::min(k, 17), 345, r);
  }
  Tallies t;
  comparisonPass(t, cache, card(18), 0, {});
  // Good runs, two points a run: 5 wins of i's own and 5 defeats of k's, 20-0, no pair left open.
  EXPECT_EQ(t.win[1][18], 20);
  EXPECT_EQ(t.loss[18][1], 20);
  EXPECT_EQ(t.win[9][10], 20);
  EXPECT_EQ(t.loss[9][10], 0);
  // Five level runs each way: 5-5, closed to 1-1.
  EXPECT_EQ(t.win[17][18], 1);
  EXPECT_EQ(t.loss[18][17], 1);
  // Then every meeting once more, one point a run from each side.
  EXPECT_EQ(t.win2[1][18], 30);
  EXPECT_EQ(t.loss2[16][3], 30);
  EXPECT_EQ(t.win2[17][18], 6);
  EXPECT_EQ(t.loss2[17][18], 6);
  EXPECT_EQ(t.record2.ahead[1], 0x7FFFCu);
  EXPECT_EQ(t.record2.behind[16], 0x1FFFEu & ~(1u << 16));
  EXPECT_EQ(t.record2.level[18], 1u << 17);
  // Ranked by four points per runner beaten and per defeat (17 and 18 share rank 17), then pair
  // points on those ranks: runner 1 beat ranks 2..16, 17 and 17, 2 x (17 + 16 + ... + 3 + 2 + 2)
  // = 308, so 500 + 154 + 1; runner 2 beat all but rank 1, 500 + 137 - 1 + 1.
  EXPECT_EQ(t.score[1], 655);
  EXPECT_EQ(t.score[2], 637);
  EXPECT_EQ(t.rank[1], 1);
  EXPECT_EQ(t.rank[17], 17);
  EXPECT_EQ(t.rank[18], 17);
}

TEST(EngineComparisonPass, OnlySameDistanceSamePeriodRunsMeet) {
  RunCache cache{};
  cache[1][1] = run(1, 1, 931);
  cache[2][1] = run(2, 2, 935, 345, 1, 1800);  // other distance
  cache[2][2] = run(2, 2, 935, 345, 3);        // other course, going or month
  cache[2][3] = run(2, 2, 935);
  cache[2][3].month = 7;  // half a year apart
  cache[2][3].nearMonths = {6, 8, 5, 9};
  Tallies t;
  comparisonPass(t, cache, card(2), 1600, {});
  for (int i = 1; i <= 2; ++i) {
    for (int k = 1; k <= 2; ++k) {
      EXPECT_EQ(t.win[i][k] + t.loss[i][k] + t.win2[i][k] + t.loss2[i][k], 0);
    }
  }
  EXPECT_EQ(t.score[1], 500);
  EXPECT_EQ(t.score[2], 500);
  // Two months apart they do meet.
  cache[2][3].month = 3;
  cache[2][3].nearMonths = {2, 4, 1, 5};
  cache[1][1].nearMonths = {0, 2, 0, 3};
  comparisonPass(t, cache, card(2), 1600, {});
  EXPECT_EQ(t.win[1][2], 2 + 2 + 1 + 1);
}

}  // namespace
}  // namespace korvane
