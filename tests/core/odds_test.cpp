#include "core/flows/odds.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "core/text/sjis.hpp"

namespace korvane {
namespace {

// The input window of a test: answers from a list (nothing = キャンセル) and records what it was
// asked.
struct ScriptedInput {
  std::deque<std::optional<std::string>> answers;
  std::vector<std::pair<std::string, std::string>> asked;  // question, current value

  AskValue ask() {
    return [this](const std::string& question, const std::string& value) {
      asked.emplace_back(question, value);
      if (answers.empty()) return std::optional<std::string>();
      auto answer = answers.front();
      answers.pop_front();
      return answer;
    };
  }
};

class Odds : public ::testing::Test {
 protected:
  // A race of `runners` horses named ウマ1, ウマ2 ... in slots 1.., none with odds.
  void race(int runners) {
    for (int i = 1; i <= runners; ++i) {
      const int n = appendHorse(
          app.store, placeholderRecord(identityLine(sj("ウマ") + std::to_string(i), 3, sj("牡"))));
      addRunner(app.card, n);
    }
    app.store.modified = false;
  }
  void odds(std::initializer_list<double> values) {
    int k = 1;
    for (double v : values) app.card.winOdds[k++] = v;
    recomputeOdds(app.card);
  }

  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
  ScriptedInput input;
};

TEST(OddsInput, TypedTextAsOdds) {
  EXPECT_EQ(readWinOddsInput("2.34"), 2.3);
  EXPECT_EQ(readWinOddsInput("150.5"), 150.5);
  EXPECT_EQ(readWinOddsInput(" 12 "), 12.0);
  EXPECT_EQ(readWinOddsInput(sj("２．５")), 2.5);
  EXPECT_EQ(readWinOddsInput("9998.9"), 9998.9);
  for (const char* cancel : {"", "abc", "2.5x", "0", "-3", "9999", "12000"}) {
    EXPECT_FALSE(readWinOddsInput(cancel)) << cancel;
  }
  EXPECT_FALSE(readWinOddsInput(sj("ウマ")));
  // Rounding must not turn a typed value into "not entered" or into the mark of a scratched
  // runner.
  EXPECT_FALSE(readWinOddsInput("0.04"));
  EXPECT_FALSE(readWinOddsInput("9998.96"));
  EXPECT_EQ(readOddsInput("0.04"), 0.04);
  EXPECT_EQ(roundOdds(2.36), 2.4);
}

TEST_F(Odds, ListTextsOfTheWinOddsWindow) {
  race(4);
  odds({2.3, 150.5, 0.0, 1234.5});
  EXPECT_EQ(winOddsItem(app.card, 1), "  2.3");
  EXPECT_EQ(winOddsItem(app.card, 2), "  150");
  EXPECT_EQ(winOddsItem(app.card, 3), "     ");
  EXPECT_EQ(winOddsItem(app.card, 4), " 1234");  // never cut to a wrong 123
  EXPECT_EQ(winOddsValue(150.5), "150");
  // One runner without odds: no popularity at all.
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(popularityItem(app.card, k), " ") << k;

  scratch(app.card, 3);
  EXPECT_EQ(winOddsItem(app.card, 3), "     ");
  EXPECT_EQ(popularityItem(app.card, 1), "  1");
  EXPECT_EQ(popularityItem(app.card, 3), " ??");
  EXPECT_EQ(winOddsQuestion(app, 3), "3 " + sj("出走取消の単勝オッズ"));
}

TEST_F(Odds, EqualOddsShareThePopularity) {
  race(12);
  odds({3.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 11.0, 12.0, 13.0});
  EXPECT_EQ(popularityItem(app.card, 1), "  1");
  EXPECT_EQ(popularityItem(app.card, 2), "  1");
  EXPECT_EQ(popularityItem(app.card, 3), "  3");
  EXPECT_EQ(popularityItem(app.card, 12), " 12");
}

TEST_F(Odds, EnteringAllStopsAtTheFirstCancelAndKeepsWhatWasGiven) {
  race(4);
  scratch(app.card, 2);
  app.card.winOdds[3] = 7.5;
  input.answers = {"2.34", "abc"};
  enterAllWinOdds(app, input.ask());
  ASSERT_EQ(input.asked.size(), 2u);
  EXPECT_EQ(input.asked[0].first, "1 " + sj("ウマ1の単勝オッズ"));
  EXPECT_EQ(input.asked[1].first, "3 " + sj("ウマ3の単勝オッズ"));  // the scratched 2 is skipped
  EXPECT_EQ(input.asked[1].second, "7.5");
  EXPECT_EQ(app.card.winOdds[1], 2.3);
  EXPECT_EQ(app.card.winOdds[3], 7.5);
  EXPECT_EQ(app.card.winOdds[4], 0.0);
  // The odds given before the cancel are a change of the race and must be offered for saving.
  EXPECT_TRUE(app.store.modified);

  input.answers = {"5", "4", "3"};
  enterAllWinOdds(app, input.ask());
  EXPECT_TRUE(app.card.oddsComplete);
  EXPECT_EQ(app.card.winOdds[1], 5.0);
  EXPECT_EQ(app.card.popularity[4], 1);
  EXPECT_EQ(app.card.popularity[1], 3);
  EXPECT_EQ(app.card.popularity[2], 4);  // the scratched runner comes last
}

TEST_F(Odds, CorrectionMovesDownAndSkipsScratchedRows) {
  race(4);
  scratch(app.card, 3);
  EXPECT_EQ(correctWinOdds(app, 0, input.ask()), 0);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], (std::vector<std::string>{sj("オッズを修正したい所を"),
                                                           sj("クリックしてからお願いします。")}));
  EXPECT_TRUE(input.asked.empty());

  input.answers = {"0"};  // counts as キャンセル
  EXPECT_EQ(correctWinOdds(app, 2, input.ask()), 2);
  EXPECT_FALSE(app.store.modified);

  input.answers = {"6.6", "8.8"};
  EXPECT_EQ(correctWinOdds(app, 2, input.ask()), 4);
  EXPECT_EQ(app.card.winOdds[2], 6.6);
  EXPECT_EQ(app.card.winOdds[3], kScratchedOdds);
  EXPECT_TRUE(app.store.modified);
  EXPECT_EQ(correctWinOdds(app, 4, input.ask()), 0);  // after the last runner
  EXPECT_EQ(app.card.winOdds[4], 8.8);
}

TEST_F(Odds, ClearingAsksAndLeavesScratchedRunnersWithdrawn) {
  race(3);
  odds({2.0, 3.0, 4.0});
  scratch(app.card, 2);
  app.store.modified = false;

  EXPECT_FALSE(clearWinOdds(app));  // いいえ
  EXPECT_EQ(app.card.winOdds[1], 2.0);
  EXPECT_TRUE(app.card.oddsComplete);
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(dialogs.confirmations[0].first, sj("単勝オッズをクリアします。"));

  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(clearWinOdds(app));
  EXPECT_EQ(app.card.winOdds[1], 0.0);
  EXPECT_EQ(app.card.winOdds[2], kScratchedOdds);
  EXPECT_EQ(app.card.winOdds[3], 0.0);
  EXPECT_FALSE(app.card.oddsComplete);
  EXPECT_TRUE(app.store.modified);
}

TEST_F(Odds, QuinellaListOfTenRunners) {
  race(10);
  QuinellaOdds q(app.card.runnerCount);
  ASSERT_EQ(q.entries(), 10);
  EXPECT_EQ(q.pairItem(8), sj("１-９"));
  EXPECT_EQ(q.pairItem(9), sj("１-") + "10");
  EXPECT_EQ(q.pairItem(10), sj("２-３"));
  EXPECT_EQ(q.question(9), sj("馬連 1-10 のオッズ"));
  EXPECT_EQ(q.question(10), sj("馬連 2-3 のオッズ"));
  EXPECT_EQ(q.oddsItem(1), "      ");
  q.set(1, 12.34);
  q.set(2, 1000.0);
  EXPECT_EQ(q.oddsItem(1), "  12.3");
  EXPECT_EQ(q.oddsItem(2), "  1000");
  EXPECT_EQ(q.value(2), "1000");
}

TEST_F(Odds, QuinellaRouteRefusedWithAScratchedRunner) {
  race(4);
  EXPECT_TRUE(mayEnterQuinella(app));
  scratch(app.card, 4);
  EXPECT_FALSE(mayEnterQuinella(app));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], (std::vector<std::string>{sj("出走取消の馬がいるため"),
                                                           sj("馬連オッズが入力できません。")}));
}

TEST_F(Odds, WinOddsDerivedFromQuinella) {
  race(3);
  QuinellaOdds q(3);
  input.answers = {"10", "20", std::nullopt};
  enterAllQuinella(q, input.ask());
  EXPECT_EQ(input.asked.size(), 3u);
  EXPECT_FALSE(finishQuinella(app, q));  // 2-3 still missing: nothing changes
  EXPECT_EQ(app.card.winOdds[1], 0.0);
  EXPECT_FALSE(app.store.modified);

  EXPECT_EQ(correctQuinella(dialogs, q, 0, input.ask()), 0);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  input.answers = {"40"};
  EXPECT_EQ(correctQuinella(dialogs, q, 3, input.ask()), 0);
  ASSERT_TRUE(finishQuinella(app, q));
  EXPECT_NEAR(app.card.winOdds[1], std::sqrt(10.0), 1e-12);  // 3.162…
  EXPECT_NEAR(app.card.winOdds[2], 6.3245553, 1e-6);
  EXPECT_NEAR(app.card.winOdds[3], 12.6491106, 1e-6);
  EXPECT_TRUE(app.store.modified);
  EXPECT_EQ(app.card.popularity[3], 3);
  EXPECT_EQ(winOddsItem(app.card, 1), "  3.2");
}

}  // namespace
}  // namespace korvane
