#include <gtest/gtest.h>

#include "engine/prediction_run.hpp"
#include "engine_test_horses.hpp"
#include "views/prediction_columns.hpp"

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
  runPrediction(f.app, [&](int filled) { progress.push_back(filled); });
  EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

  const RunnerResult& ra = f.result(a);
  const RunnerResult& rb = f.result(b);
  EXPECT_EQ(ra.ability, 502);
  EXPECT_EQ(ra.abilityRank, 1);
  EXPECT_EQ(rb.ability, 499);
  EXPECT_EQ(rb.abilityRank, 2);
  EXPECT_EQ(ra.power, 502);
  EXPECT_EQ(rb.power, 499);
  EXPECT_EQ(ra.loseP, 0);
  EXPECT_EQ(rb.loseP, 2);
  EXPECT_TRUE(ra.losePZero);
  EXPECT_FALSE(rb.losePZero);
  EXPECT_EQ(ra.allDistance, 502);
  EXPECT_EQ(rb.allDistance, 499);
  EXPECT_EQ(ra.runScore[1], 502);
  EXPECT_EQ(rb.runScore[1], 499);
  EXPECT_EQ(ra.runScore[2], 500);
  EXPECT_EQ(ra.best, 502);
  EXPECT_EQ(rb.best, 499);
  EXPECT_EQ(rb.bestRank, 2);
  EXPECT_EQ(rb.lastRun, 499);
  EXPECT_EQ(ra.form, 3);
  EXPECT_EQ(rb.form, 2);
  EXPECT_EQ(ra.korvane, 502);
  EXPECT_EQ(rb.korvane, 499);
  EXPECT_EQ(ra.raceStyle, sj("先"));
  EXPECT_EQ(rb.raceStyle, sj("好"));
  EXPECT_EQ(f.app.result.distanceMin, 1400);
  EXPECT_EQ(f.app.result.distanceMax, 2000);
  ASSERT_EQ(f.app.result.markCount, 2);
  EXPECT_EQ(f.app.result.markOrder[0], a);
  EXPECT_EQ(f.app.result.markOrder[1], b);
  EXPECT_EQ(f.app.result.confidenceClass, 40);
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

}  // namespace
}  // namespace korvane
