#include <gtest/gtest.h>

#include "core/app/app_state.hpp"
#include "core/flows/judgement.hpp"
#include "core/output/judgement_page.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/judged_race.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

TEST(JudgementWindow, MaxBetsRecomputesTheBetsOnlyAndTheOutputFollows) {
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app(dialogs, clock, writer);
  testing::JudgedRace race(9);
  race.marks({4, 2, 7, 1, 9, 3, 5}, BetKind::Box, 35);
  race.rate(4, 5);  // 絶対来ない: the button コルバンの買い目 does not listen
  app.store = race.store;
  app.card = race.card;
  app.result = race.result;

  JudgementWindow window(app, UserEvaluations::Neutral);
  EXPECT_EQ(window.judgement().overall, (std::vector<int>{4, 2, 7, 1, 9, 3, 5}));
  EXPECT_EQ(window.bets().maxBets, kStandardMaxBets);
  EXPECT_EQ(window.bets().betCount, 6);  // a 4-horse box

  window.chooseMaxBets(11);
  EXPECT_EQ(window.bets().betCount, 10);  // a 5-horse box of the same overall list
  EXPECT_EQ(window.judgement().overall.size(), 7u);
  EXPECT_EQ(window.outputPage()(OutputFormat::Text),
            judgementTextPage(computeBets(window.judgement(), 11), predictionPageFrame(app)));

  EXPECT_EQ(maxBetsItem(1), sj("１点"));
  EXPECT_EQ(maxBetsItem(7), sj("７点（標準）"));
  EXPECT_EQ(maxBetsItem(11), sj("11点"));

  JudgementWindow user(app, UserEvaluations::FromCard);
  EXPECT_EQ(user.judgement().overall.front(), 2);
}

}  // namespace
}  // namespace korvane
