#include <gtest/gtest.h>

#include "core/engine/tallies.hpp"
#include "core/flows/prediction.hpp"
#include "core/views/prediction_columns.hpp"
#include "engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::EngineFixture;
using testing::PastRun;

// Two runners met once at 東京 芝 1600 m in March 2009: A won by 0.4 s and was 0.5 s faster over
// the last 600 m. Every value below is worked out by hand from the comparison rules.
TEST(EngineRun, TwoRunnersThatMetOnce) {
  EngineFixture f;
  const int a = f.runner(
      "エーホース", {PastRun{.time = "1331", .corners = " 3 3 2", .last3F = 345, .finish = 1}});
  const int b = f.runner(
      "ビーホース", {PastRun{.time = "1335", .corners = " 5 5 4", .last3F = 350, .finish = 3}});
  std::vector<int> progress;
  predictRace(f.app, [&](int filled) { progress.push_back(filled); });
  EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

  // 能力, 底力, 負Ｐ, 全距離, run 1, run 2, ベスト, 前走, 近走, コルバン指数
  auto values = [](const RunnerResult& r) {
    return std::array<int, 10>{r.ability,     r.power, r.loseP,   r.allDistance, r.runScore[1],
                               r.runScore[2], r.best,  r.lastRun, r.form,        r.korvane};
  };
  const RunnerResult& ra = f.result(a);
  const RunnerResult& rb = f.result(b);
  EXPECT_EQ(values(ra), (std::array<int, 10>{502, 502, 0, 502, 502, 500, 502, 502, 3, 502}));
  EXPECT_EQ(values(rb), (std::array<int, 10>{499, 499, 2, 499, 499, 500, 499, 499, 2, 499}));
  // 49.9 stands last on every index but ベスト, where only exactly 50.0 is put last.
  EXPECT_EQ((std::array<int, 4>{rb.abilityRank, rb.bestRank, rb.lastRunRank, rb.losePRank}),
            (std::array<int, 4>{2, 2, 2, 2}));
  EXPECT_TRUE(ra.losePZero);
  EXPECT_FALSE(rb.losePZero);
  EXPECT_EQ(ra.raceStyle, sj("先"));
  EXPECT_EQ(rb.raceStyle, sj("好"));
  EXPECT_EQ(f.app.result.distanceMin, 1400);
  EXPECT_EQ(f.app.result.distanceMax, 2000);
  ASSERT_EQ(f.app.result.markCount, 2);
  EXPECT_EQ(f.app.result.markOrder[0], a);
  EXPECT_EQ(f.app.result.markOrder[1], b);
  EXPECT_EQ(f.app.result.confidenceClass, BetKind::TwoAxes);
  EXPECT_EQ(f.app.result.confidence, 65);

  const PredictionColumns c = buildPredictionColumns(f.app);
  EXPECT_EQ(c.umaban.size(), 18u);
  EXPECT_EQ(c.name[0], sj("エーホース") + sj("　　　　"));
  EXPECT_EQ(c.mark, (std::vector<std::string>{sj(" ◎ "), sj(" ○ ")}));
  EXPECT_EQ(c.style, (std::vector<std::string>{sj("+先+"), sj(" 好 ")}));
  EXPECT_EQ(c.ability, (std::vector<std::string>{"*50.2*", " 49.9 "}));
  EXPECT_EQ(c.loseP, (std::vector<std::string>{"*0.0*", "+0.2+"}));
  EXPECT_EQ(c.form, (std::vector<std::string>{sj(" Ａ "), sj(" Ｂ ")}));
  EXPECT_EQ(c.reliability, sj(" 65％"));
  EXPECT_EQ(c.developmentLabel, sj("標準"));
}

TEST(EngineRun, OnlyScratchedSlotsGiveNoDataAndNoMarks) {
  EngineFixture f;
  for (int k = 0; k < 3; ++k) f.runner("");
  predictRace(f.app);
  for (int k = 1; k <= 3; ++k) {
    const RunnerResult& r = f.result(k);
    EXPECT_EQ(r.ability, 500);
    EXPECT_EQ(r.abilityRank, 3);
    EXPECT_EQ(r.loseP, 9999);
    EXPECT_EQ(r.losePRank, 3);
    EXPECT_FALSE(r.losePZero);
    EXPECT_EQ(r.best, 500);
    EXPECT_EQ(r.bestRank, 3);
    EXPECT_EQ(r.korvane, 0);
    EXPECT_EQ(r.raceStyle, sj("？"));
    EXPECT_EQ(r.styleFit, 1);
  }
  EXPECT_EQ(f.app.result.markCount, 0);
  EXPECT_EQ(f.app.result.confidenceClass, BetKind::None);
  EXPECT_EQ(f.app.result.confidence, 0);
  const PredictionColumns c = buildPredictionColumns(f.app);
  EXPECT_EQ(c.ability, (std::vector<std::string>(3, " 50.0 ")));
  EXPECT_EQ(c.loseP, (std::vector<std::string>(3, "+?.?+")));
  EXPECT_EQ(c.reliability, sj(" 0％"));
}

// A field of 18 with five runs each over a few courses and months: a second run of the same card
// gives the same result, bit for bit, and the tallies left behind are the all-distances ones.
// Eighteen runners of mixed surfaces, distances, courses and months.
void mixedField(EngineFixture& f) {
  const std::array<const char*, 3> courses{"東", "中", "阪"};
  const std::array<const char*, 3> months{"0901", "0902", "0812"};
  for (int k = 1; k <= 18; ++k) {
    std::vector<PastRun> runs;
    for (int r = 0; r < 5; ++r) {
      const int v = k * 7 + r * 3;
      runs.push_back(PastRun{.surface = (v % 4 == 0) ? "ダ" : "芝",
                             .distance = 1200 + 200 * (v % 4),
                             .course = courses[v % 3],
                             .yymm = months[(v / 3) % 3],
                             .time = std::to_string(1300 + v % 60),
                             .corners = " " + std::to_string(1 + v % 9) + " " +
                                        std::to_string(1 + v % 9) + " " + std::to_string(1 + v % 8),
                             .last3F = 330 + v % 30,
                             .finish = 1 + v % 12});
    }
    f.runner("ウマ" + std::to_string(k), runs);
  }
}

TEST(EngineRun, SameCardSameResultAndTheAllDistancesTalliesStay) {
  EngineFixture f;
  mixedField(f);
  predictRace(f.app);
  const TYosouResult first = f.app.result;
  const Tallies tallies = f.app.engine.tallies;
  EXPECT_GT(first.markCount, 0);
  predictRace(f.app);
  EXPECT_EQ(f.app.result, first);
  EXPECT_EQ(f.app.engine.tallies.win, tallies.win);
  // The window is the race's again, but the tables hold the pass over every distance.
  EXPECT_EQ(f.app.engine.tallies.window.min, 1400);
  Tallies all = f.app.engine.tallies;
  comparisonPass(all, f.app.engine.runs, f.app.card, 0, {});
  EXPECT_EQ(all.win, tallies.win);
  EXPECT_EQ(all.loss2, tallies.loss2);
  // The standings kept through the pass are those of the tables it leaves, over either distance.
  const int n = f.app.card.runnerCount;
  EXPECT_EQ(all.record, standingOf(all.win, all.loss, n));
  EXPECT_EQ(all.record2, standingOf(all.win2, all.loss2, n));
  comparisonPass(all, f.app.engine.runs, f.app.card, f.app.card.distance, {});
  EXPECT_EQ(all.record, standingOf(all.win, all.loss, n));
  EXPECT_EQ(all.record2, standingOf(all.win2, all.loss2, n));
}

// A development chosen on the prediction screen marks the race as a fresh prediction under it
// would, and the card is saved with it.
TEST(EngineRun, ChoosingADevelopmentMarksAsAFreshPrediction) {
  EngineFixture f;
  mixedField(f);
  predictRace(f.app);
  f.app.store.modified = false;
  for (const std::string& development : developments()) {
    chooseDevelopment(f.app, development);
    EXPECT_TRUE(f.app.store.modified);
    const TYosouResult chosen = f.app.result;
    predictRace(f.app);
    EXPECT_EQ(f.app.result, chosen);
  }
}

// Dirt runs only: nothing meets in the turf race-distance pass, but the all-distances pass
// compares them, so 全距離 sees the win that 能力 cannot.
TEST(EngineRun, AllDistanceCountsOtherSurfaces) {
  EngineFixture f;
  const int a = f.runner("エー", {PastRun{.surface = "ダ", .time = "1361", .finish = 1}});
  const int b = f.runner("ビー", {PastRun{.surface = "ダ", .time = "1370", .finish = 2}});
  predictRace(f.app);
  EXPECT_EQ(f.result(a).ability, 500);
  EXPECT_EQ(f.result(b).ability, 500);
  EXPECT_EQ(f.result(a).allDistance, 502);
  EXPECT_EQ(f.result(b).allDistance, 499);
  // Over all distances the sets stay as tallied: good runs 2 + 2, all runs another 1 + 1.
  EXPECT_EQ(f.app.engine.tallies.win[a][b], 4);
  EXPECT_EQ(f.app.engine.tallies.win2[a][b], 6);
}

// A race distance the window table does not list (1750 m) keeps the window of the race before.
TEST(EngineRun, UnlistedDistanceKeepsThePreviousWindow) {
  EngineFixture f;
  f.runner("エー", {PastRun{.distance = 1800, .time = "1481"}});
  f.runner("ビー", {PastRun{.distance = 1800, .time = "1485", .finish = 2}});
  f.app.card.distance = 1200;
  predictRace(f.app);
  EXPECT_EQ(f.app.result.distanceMin, 800);
  EXPECT_EQ(f.app.result.distanceMax, 1600);
  EXPECT_EQ(f.result(1).ability, 500);  // 1800 m runs are outside a sprint's window
  f.app.card.distance = 1750;
  predictRace(f.app);
  EXPECT_EQ(f.app.result.distanceMin, 800);
  EXPECT_EQ(f.app.result.distanceMax, 1600);
  f.app.card.distance = 2000;
  predictRace(f.app);
  EXPECT_EQ(f.app.result.distanceMin, 1400);
  f.app.card.distance = 1750;
  predictRace(f.app);
  EXPECT_EQ(f.app.result.distanceMin, 1400);
  EXPECT_EQ(f.app.result.distanceMax, 3600);
  EXPECT_EQ(f.result(1).ability, 502);
}

// A disregarded run takes no part, and neither does an empty run (surface 無) whatever its other
// lines still hold: without them the two runners never met.
TEST(EngineRun, DisregardedAndEmptyRunsAreLeftOut) {
  EngineFixture f;
  const int a =
      f.runner("エー", {PastRun{.time = "1331"}, PastRun{.surface = "無", .time = "1320"}});
  f.runner("ビー", {PastRun{.time = "1335", .finish = 2}});
  f.app.card.disregard[a][1] = true;
  predictRace(f.app);
  EXPECT_EQ(f.result(1).ability, 500);
  EXPECT_EQ(f.result(2).ability, 500);
  EXPECT_EQ(f.result(1).runScore[1], 500);
  EXPECT_EQ(f.result(1).allDistance, 500);
  EXPECT_EQ(f.result(1).form, 3);  // the disregarded win still counts as the latest finish
}

}  // namespace
}  // namespace korvane
