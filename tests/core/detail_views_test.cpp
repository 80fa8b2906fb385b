#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine_test_horses.hpp"
#include "core/flows/detail_visit.hpp"
#include "core/views/detail_columns.hpp"
#include "core/views/disregard.hpp"
#include "core/views/evaluation.hpp"
#include "core/views/longshot.hpp"
#include "core/views/past_runs.hpp"
#include "core/views/run_summary.hpp"

namespace korvane {
namespace {

using testing::EngineFixture;
using testing::PastRun;

// A turf 1600 m race whose results are set by hand: every run unscored (500) unless a test gives
// it a score, and a distance window of 1400-1800 m.
struct DetailFixture : EngineFixture {
  DetailFixture() {
    app.result.distanceMin = 1400;
    app.result.distanceMax = 1800;
  }
  int add(const std::string& name, const std::vector<PastRun>& runs = {}) {
    const int slot = runner(name, runs);
    app.result.runnerCount = app.card.runnerCount;
    app.result.runner[slot].runScore.fill(500);
    app.store.modified = false;  // registering the horse is not what the tests look at
    return slot;
  }
  const DisregardFlags* releasedFrom() const { return visit ? visit->releasedFrom() : nullptr; }
  std::string eval(int slot, int run) const { return runEvaluation(app, releasedFrom(), slot, run); }
  std::string cell(int slot, int run) const {
    return runEvaluationCell(app, releasedFrom(), slot, run);
  }
  std::optional<DetailVisit> visit;  // the detail screen, while a test has it open
};

TEST(RunSummary, LapLastThreeFurlongsAndTheTwoLines) {
  // 1:33.1 over 1600 m with 34.5 s home: (93.1 - 34.5) / 5 furlongs.
  EXPECT_EQ(lapText("1331", 1600, 345), "11.72");
  // (82.0 - 33.5) / 4 = 12.125 exactly: the half goes up.
  EXPECT_EQ(lapText("1220", 1400, 335), "12.13");
  EXPECT_EQ(lapText("1331", 1600, 990), "??.??");
  EXPECT_EQ(lapText("0341", 600, 341), "??.??");  // no stretch before the last 600 m
  EXPECT_EQ(last3FText(999), sj("??秒?"));

  EngineFixture f;
  const int slot =
      f.runner("ミホノブルボン",
               {PastRun{.distance = 2000, .yymm = "9705", .time = "2015", .corners = " 3 210"},
                PastRun{.surface = "ダ",
                        .distance = 1200,
                        .course = "名",
                        .corners = " 0 0 0",
                        .last3F = 999,
                        .going = "稍"}});
  const int horse = f.app.card.runner[slot];
  EXPECT_EQ(runCourseLine(f.app.store, horse, 1), sj("東京 '97/05 芝2000m(良)"));
  EXPECT_EQ(runTimeLine(f.app.store, horse, 1), sj("2.01.5(12.43)  3. 2.10  34秒5"));
  EXPECT_EQ(runCourseLine(f.app.store, horse, 2), sj("中京 '09/03 ダ1200m(稍)"));
  EXPECT_EQ(runTimeLine(f.app.store, horse, 2), sj("1.33.1(??.?"
                                                   "?) ??.??.??  ??秒?"));
}

TEST(Evaluation, ScoresAndTheReasonsForNoScore) {
  DetailFixture f;
  const int k = f.add("ブルーウインド", {PastRun{.finish = 1}, PastRun{.finish = 3},
                                         PastRun{.surface = "ダ", .finish = 1},
                                         PastRun{.distance = 2000, .finish = 1}});
  EXPECT_EQ(f.eval(k, 1), sj("<注意>"));  // a win that met nobody may be better than 50.0
  EXPECT_EQ(f.eval(k, 2), sj(" 50.0"));
  EXPECT_EQ(f.eval(k, 3), sj(" 他距"));  // dirt in a turf race, whatever the finish
  EXPECT_EQ(f.eval(k, 4), sj(" 他距"));  // outside the distance window
  EXPECT_EQ(f.eval(k, 5), sj(" なし"));
  // The detail screen's columns are six bytes wide.
  EXPECT_EQ(f.cell(k, 2), sj(" 50.0 "));
  EXPECT_EQ(f.cell(k, 3), sj(" 他距 "));
  EXPECT_EQ(f.cell(k, 5), sj(" なし "));

  auto& score = f.app.result.runner[k].runScore;
  score = {0, 499, 501, 519, 520, 612};
  EXPECT_EQ(f.eval(k, 1), "-49.9-");
  EXPECT_EQ(f.eval(k, 2), "+50.1+");
  EXPECT_EQ(f.eval(k, 3), "+51.9+");
  EXPECT_EQ(f.eval(k, 4), "*52.0*");
  EXPECT_EQ(f.cell(k, 5), "*61.2*");
}

TEST(Disregard, ReleasedInAVisitThenUndoneByClosing) {
  DetailFixture f;
  const int k = f.add("ブルーウインド", {PastRun{.finish = 3}});
  f.app.card.disregard[k][1] = true;

  f.visit.emplace(f.app);
  EXPECT_EQ(f.cell(k, 1), sj("(度外)"));
  EXPECT_FALSE(f.visit->disregardRun(k, 1));  // already disregarded: nothing changes
  EXPECT_TRUE(f.visit->releaseRun(k, 1));
  EXPECT_FALSE(f.visit->releaseRun(k, 1));
  EXPECT_EQ(f.cell(k, 1), sj("(解除)"));
  EXPECT_TRUE(f.visit->disregardRun(k, 2));
  f.visit->end(false);

  EXPECT_TRUE(f.app.card.disregard[k][1]);
  EXPECT_FALSE(f.app.card.disregard[k][2]);
  EXPECT_FALSE(f.visit->repredictAsked());
  EXPECT_FALSE(f.app.store.modified);
  f.visit.emplace(f.app);
  EXPECT_EQ(f.cell(k, 1), sj("(度外)"));
}

TEST(Disregard, ConfirmedVisitKeepsTheFlagsAndAsksForANewPrediction) {
  DetailFixture f;
  const int k = f.add("ブルーウインド", {PastRun{.finish = 3}});
  const int scratched = f.add("");
  f.visit.emplace(f.app);
  EXPECT_FALSE(f.visit->disregardRun(scratched, 1));
  EXPECT_TRUE(f.visit->disregardRun(k, 1));
  f.visit->confirm();
  f.visit->end(true);
  EXPECT_TRUE(f.visit->repredictAsked());
  EXPECT_TRUE(f.app.store.modified);
  EXPECT_TRUE(f.app.card.anyDisregard);
  EXPECT_EQ(disregardLabel(f.app.card), sj("あり"));

  // Another race in the same slots without the flag: the last visit's snapshot is not this
  // card's, so the run is not shown as released.
  f.app.card.disregard[k][1] = false;
  EXPECT_EQ(f.eval(k, 1), sj(" 50.0"));
  EXPECT_EQ(disregardLabel(f.app.card), sj("なし"));
}

TEST(Disregard, ReleaseAllAsksFirst) {
  DetailFixture f;
  const int k = f.add("ブルーウインド", {PastRun{}});
  f.app.card.disregard[k][1] = f.app.card.disregard[k][5] = true;
  f.visit.emplace(f.app);

  EXPECT_FALSE(f.visit->releaseAllRuns());  // いいえ
  EXPECT_TRUE(f.app.card.disregard[k][1]);
  EXPECT_FALSE(f.visit->repredictAsked());

  f.dialogs.confirmAnswers = {true};
  EXPECT_TRUE(f.visit->releaseAllRuns());
  EXPECT_EQ(f.dialogs.confirmations.back(),
            std::make_pair(sj("度外視指定を全て解除します。"), sj("よろしいですか？")));
  EXPECT_FALSE(f.app.card.disregard[k][1] || f.app.card.disregard[k][5]);
  EXPECT_TRUE(f.visit->repredictAsked());
  EXPECT_TRUE(f.app.store.modified);
}

TEST(Longshot, MarkedRunnersAgainstTheirPopularityOrOddsNotEntered) {
  DetailFixture f;
  const double odds[] = {1.8, 3.5, 7.0, 12.0, 2.3};  // popularity 1 3 4 5 2
  for (double o : odds) f.app.card.winOdds[f.add("ウマ")] = o;
  recomputeOdds(f.app.card);
  f.app.result.markOrder = {4, 1, 2};
  f.app.result.markCount = 3;
  // ◎ on the 5th favourite 58, ○ on the favourite 48, ▲ on the 3rd favourite 50.
  EXPECT_EQ(longshotColumn(f.app), (std::vector<std::string>{" 48", " 50", " ", " 58", " "}));

  f.app.card.winOdds[3] = 0.0;
  recomputeOdds(f.app.card);
  const auto missing = longshotColumn(f.app);
  ASSERT_EQ(missing.size(), 18u);
  EXPECT_EQ(missing[0] + missing[1] + missing[2] + missing[5] + missing[6] + missing[17],
            sj(" オ ッ ズ 力"));
}

TEST(PastRuns, TitleWithSexAgeAndOdds) {
  DetailFixture f;
  const int k = f.add("エアグルーヴ");
  f.add("ビー");
  EXPECT_EQ(horseTitle(f.app, k), sj("エアグルーヴ　　　 牡４"));
  f.app.card.winOdds[1] = 2.3;
  f.app.card.winOdds[2] = 15.0;
  recomputeOdds(f.app.card);
  EXPECT_EQ(pastRunsTitle(f.app, k), sj("エアグルーヴ　　　 牡４   1番人気（2.3倍）"));
  EXPECT_EQ(pastRunsTitle(f.app, 2).substr(horseTitle(f.app, 2).size()),
            sj("   2番人気（15.0倍）"));
  // Ten and over in plain digits.
  f.app.store.setLine(f.app.card.runner[k], 1, identityLine(sj("エアグルーヴ"), 10, sj("牝")));
  EXPECT_EQ(horseTitle(f.app, k), sj("エアグルーヴ　　　 牝10"));
}

TEST(PastRuns, DialogAndScreenLines) {
  DetailFixture f;
  const int k = f.add("エアグルーヴ", {PastRun{.corners = " 3 3 2"}, PastRun{},
                                       PastRun{.course = "京", .finish = 12}});
  f.app.card.disregard[k][3] = true;
  f.app.result.runner[k].runScore[2] = 534;
  const std::string heavy = sj("━━━━━━━━━━━━━━━━━━");

  const RunLines dialog = disregardDialogLines(f.app, nullptr, k, 1);
  EXPECT_EQ(dialog.runs,
            (std::vector<std::string>{heavy, sj(" 前走  東京 '09/03 芝1600m(良)"),
                                      sj("  1着 1.33.1(11.72)  3. 3. 2  34秒5"), heavy}));
  EXPECT_EQ(dialog.evaluations[2], sj("<注意>"));
  const RunLines empty = disregardDialogLines(f.app, nullptr, k, 4);
  EXPECT_EQ(empty.runs[1] + empty.runs[2], sj("４走前 データなし"));

  const RunLines screen = pastRunsLines(f.app, nullptr, k);
  ASSERT_EQ(screen.runs.size(), 16u);
  ASSERT_EQ(screen.evaluations.size(), 16u);
  EXPECT_EQ(screen.runs[1], sj("５走前"));  // the oldest run first
  EXPECT_EQ(screen.runs[3], sj("──────────────────"));
  EXPECT_EQ(screen.runs[8], sj(" 12着 1.33.1(11.72)  3. 3. 3  34秒5"));
  EXPECT_EQ(screen.runs[15], heavy);
  // Each evaluation beside its run's result line: run r in row 17 - 3r.
  EXPECT_EQ(screen.evaluations[2], sj(" なし"));
  EXPECT_EQ(screen.evaluations[8], sj("(度外)"));
  EXPECT_EQ(screen.evaluations[11], "*53.4*");
  EXPECT_EQ(screen.evaluations[14], sj("<注意>"));
}

TEST(DetailColumns, NamesMarksAndRunCells) {
  DetailFixture f;
  const int k = f.add("エアグルーヴ", {PastRun{.finish = 3}});
  f.add("");
  f.app.result.markOrder = {k};
  f.app.result.markCount = 1;
  const DetailColumns c = buildDetailColumns(f.app, nullptr);
  EXPECT_EQ(c.umaban.size(), 18u);
  EXPECT_EQ(c.name[1], sj("（ 出 走 取 消 ） "));
  EXPECT_EQ(c.mark[0], sj(" ◎ "));
  EXPECT_EQ(c.run[0][0] + c.run[0][1] + c.run[4][0], sj(" 50.0  なし  なし "));
}

}  // namespace
}  // namespace korvane
