#include <gtest/gtest.h>

#include "core/engine/indexes.hpp"
#include "core/flows/prediction.hpp"
#include "core/views/prediction_columns.hpp"
#include "engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::EngineFixture;
using testing::PastRun;

// A usable run of the race's surface and distance.
CachedRun usable(int finish, int corner4) {
  CachedRun r;
  r.place = 1;
  r.month = 1;
  r.distance = 1600;
  r.finish = finish;
  r.corner4 = corner4;
  r.time = 931;
  r.present = true;
  r.raceSurface = true;
  return r;
}

CachedRun dirt(int finish) {
  CachedRun r = usable(finish, 1);
  r.raceSurface = false;
  return r;
}

int formOf(std::initializer_list<CachedRun> runs) {
  RunCache cache{};
  int r = 1;
  for (const CachedRun& run : runs) cache[1][r++] = run;
  TRaceCard card;
  card.runnerCount = 1;
  card.runner[1] = 1;
  card.distance = 1600;
  TYosouResult result;
  result.runner[1].losePZero = true;
  formGrades(cache, card, {1400, 2000}, result);
  EXPECT_EQ(result.runner[1].losePZero, result.runner[1].form != 0);
  return result.runner[1].form;
}

TEST(EngineForm, GradesFromTheLatestUsableRunsAndTheLatestFinish) {
  // 7th from 4th at the last corner is a bad run; two of them in a row give Ｄ.
  EXPECT_EQ(formOf({usable(7, 4), dirt(8)}), 1);
  EXPECT_EQ(formOf({usable(7, 4), usable(9, 9)}), 0);
  // 7th from 10th is a good run, but outside the first five: Ｃ.
  EXPECT_EQ(formOf({usable(7, 10), dirt(8)}), 1);
  // A bad run, then a good one: the walk stops at Ｃ.
  EXPECT_EQ(formOf({usable(7, 4), usable(2, 2)}), 1);
  // A good run in the first five keeps Ｂ; no usable run at all keeps Ｂ.
  EXPECT_EQ(formOf({usable(3, 3)}), 2);
  EXPECT_EQ(formOf({}), 2);
  // The latest run with a finish decides last, usable or not: a win anywhere gives Ａ, a top-5
  // finish Ｂ, even after two bad usable runs.
  EXPECT_EQ(formOf({dirt(1), usable(7, 4), usable(9, 9)}), 3);
  EXPECT_EQ(formOf({dirt(4), usable(7, 4), usable(9, 9)}), 2);
  // An empty run (finish 99) is passed over when looking for the latest finish.
  CachedRun empty;
  EXPECT_EQ(formOf({empty, dirt(1)}), 3);
}

TEST(EngineRunScores, LastRunFallsBackToTheLatestScoredRun) {
  RunCache cache{};
  // Runner 1's run 1 is on dirt (no score); its run 2 beat runner 2, its run 3 lost to it.
  cache[1][1] = dirt(1);
  cache[1][2] = usable(1, 1);
  cache[1][3] = usable(2, 2);
  cache[1][3].place = 2;
  cache[1][3].time = 940;
  cache[2][1] = usable(3, 3);
  cache[2][1].time = 935;
  cache[2][2] = usable(1, 1);
  cache[2][2].place = 2;
  TRaceCard card;
  card.runnerCount = 2;
  card.runner = {0, 1, 2};
  card.distance = 1600;
  SlotValues abilityRanks{};
  abilityRanks[1] = 1;
  abilityRanks[2] = 2;
  TYosouResult result;
  std::vector<int> runs;
  Meetings all;
  findAllMeetings(all, cache, card);
  runScores(cache, all, card, {1400, 2000}, abilityRanks, result,
            [&](int j) { runs.push_back(j); });
  EXPECT_EQ(runs, (std::vector<int>{1, 2, 3, 4, 5}));
  const RunnerResult& r = result.runner[1];
  EXPECT_EQ(r.runScore[1], 500);
  EXPECT_EQ(r.runScore[2], 502);  // win over rank 2 of 2: plus 2 x 1
  EXPECT_EQ(r.runScore[3], 498);  // loss to rank 2: minus 2 x 2, halved
  EXPECT_EQ(r.lastRun, 502);
  EXPECT_EQ(r.best, 502);
  // Runner 2: lost its run 1 to rank 1 (minus 2: 499), won run 2 over rank 1 (plus 4: 503).
  EXPECT_EQ(result.runner[2].runScore[1], 499);
  EXPECT_EQ(result.runner[2].runScore[2], 503);
  EXPECT_EQ(result.runner[2].lastRun, 499);
  EXPECT_EQ(result.runner[2].best, 503);
  EXPECT_EQ(result.runner[2].bestRank, 1);
  EXPECT_EQ(result.runner[2].lastRunRank, 2);  // 49.9 stands last
}

TEST(EngineKorvane, RoundsHalfUpAndScratchedSlotsCountZero) {
  TRaceCard card;
  card.runnerCount = 4;
  card.runner = {0, 1, 2, 0, 4};
  TYosouResult result;
  result.runner[1].ability = 523;
  result.runner[1].power = 510;
  result.runner[2].ability = 500;
  result.runner[2].power = 500;
  result.runner[4].ability = 499;
  result.runner[4].power = 498;
  korvaneIndex(card, result);
  EXPECT_EQ(result.runner[1].korvane, 517);  // (523 + 510 + 1) div 2
  EXPECT_EQ(result.runner[2].korvane, 500);
  EXPECT_EQ(result.runner[3].korvane, 0);
  EXPECT_EQ(result.runner[4].korvane, 499);
  EXPECT_EQ(result.runner[1].korvaneRank, 1);
  EXPECT_EQ(result.runner[2].korvaneRank, 2);
  EXPECT_EQ(result.runner[4].korvaneRank, 3);
  EXPECT_EQ(result.runner[3].korvaneRank, 4);
}

// Three runners: A beat B; C ran only at 中山 and never met either of them.
TEST(EngineIndexes, ARunnerThatNeverMetAnotherKeeps500) {
  EngineFixture f;
  f.runner("エー", {PastRun{.time = "1331", .finish = 1}});
  f.runner("ビー", {PastRun{.time = "1335", .corners = " 5 5 5", .finish = 3}});
  const int c = f.runner("シー", {PastRun{.course = "中", .time = "1330", .finish = 1}});
  predictRace(f.app);
  const RunnerResult& r = f.result(c);
  EXPECT_EQ(r.ability, 500);
  EXPECT_EQ(r.power, 500);
  EXPECT_EQ(r.loseP, 9999);
  EXPECT_EQ(r.allDistance, 500);
  EXPECT_EQ(r.best, 500);
  EXPECT_EQ(r.korvane, 500);
  EXPECT_EQ(r.abilityRank, 3);
  EXPECT_EQ(r.losePRank, 3);
  EXPECT_EQ(r.bestRank, 3);
  EXPECT_TRUE(r.losePZero);
  EXPECT_EQ(r.form, 3);  // won its latest run, wherever that was
  const PredictionColumns cols = buildPredictionColumns(f.app);
  EXPECT_EQ(cols.ability[c - 1], " 50.0 ");
  EXPECT_EQ(cols.loseP[c - 1], "+?.?+");  // three runners: every 負Ｐ rank is within 5
}

// A run without a time must not beat a timed run: the two runners' runs only draw.
TEST(EngineIndexes, ARunWithoutTimeDrawsInsteadOfWinning) {
  EngineFixture f;
  f.app.card.distance = 1200;  // no last-3F vote
  f.app.card.course = sj("中山");
  const int a = f.runner("エー", {PastRun{.distance = 1200, .course = "中", .time = "0000"}});
  const int b =
      f.runner("ビー", {PastRun{.distance = 1200, .course = "中", .time = "1095", .finish = 2}});
  predictRace(f.app);
  // Level 1-1 both ways: initial scores 1, 1 share rank 1; 能力 counts the level record:
  // plus = 2 - (1 + 1) div 2 + 1 = 2, 500 + 1 + 1.
  EXPECT_EQ(f.result(a).ability, 502);
  EXPECT_EQ(f.result(b).ability, 502);
  EXPECT_EQ(f.result(a).power, 500);  // 底力 ignores level records
  EXPECT_EQ(f.result(a).loseP, 1);    // (1 + 1) div 2
  EXPECT_EQ(f.result(b).loseP, 1);
}

}  // namespace
}  // namespace korvane
