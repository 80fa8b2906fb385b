#include "core/views/user_evaluation.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/flows/user_evaluation.hpp"
#include "core/app/app_state.hpp"
#include "tests/support/judged_race.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "core/text/sjis.hpp"

namespace korvane {
namespace {

using testing::JudgedRace;

struct UserEvaluationTest : ::testing::Test {
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};

  // Ten runners, slot 3 scratched.
  void SetUp() override {
    JudgedRace race(10);
    scratch(race.card, 3);
    app.card = race.card;
    app.store = race.store;
    app.store.modified = false;  // as just loaded
  }
};

TEST_F(UserEvaluationTest, ColumnsShowEachRunnersClass) {
  app.card.userRank[1] = 1;
  app.card.userRank[2] = 5;
  app.card.userRank[4] = 7;  // no class has it: shown as わからない
  const std::string in = sj("   ○"), out = sj("   ・");
  const auto first = userClassColumn(app.card, 1);
  ASSERT_EQ(first.size(), 10u);
  EXPECT_EQ(first[0], in);
  EXPECT_EQ(first[1], out);
  EXPECT_EQ(userClassColumn(app.card, 5)[1], in);
  const auto undecided = userClassColumn(app.card, 3);
  EXPECT_EQ(undecided[0], out);
  EXPECT_EQ(undecided[2], in);  // the scratched slot
  EXPECT_EQ(undecided[3], in);
  EXPECT_EQ(userClassColumn(app.card, 4)[3], out);
}

TEST_F(UserEvaluationTest, PointerLabelsAndRows) {
  EXPECT_EQ(cursorLabel(0), sj("カーソル位置"));
  EXPECT_EQ(cursorLabel(2), sj("カーソル位置［上位必至］"));
  EXPECT_EQ(selectLabel(app, 2), sj("2 ホース２　　　　　"));
  EXPECT_EQ(selectLabel(app, 3), sj("3 出走取消　　　　　"));
  EXPECT_EQ(selectLabel(app, 11), sj("なし"));
  EXPECT_EQ(rowUnderPointer(19, 360), 1);
  EXPECT_EQ(rowUnderPointer(20, 360), 2);
  EXPECT_EQ(rowUnderPointer(5, 10), 6);  // a squeezed column still has rows
}

TEST_F(UserEvaluationTest, ClickPutsARunnerIntoAClassButNotAScratchedOne) {
  app.selectedRunner = 5;
  EXPECT_FALSE(setUserClass(app, 3, 1));
  EXPECT_EQ(app.card.userRank[3], 3);
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(app.selectedRunner, 5);
  EXPECT_FALSE(setUserClass(app, 11, 1));

  EXPECT_TRUE(setUserClass(app, 4, 2));
  EXPECT_EQ(app.card.userRank[4], 2);
  EXPECT_TRUE(app.store.modified);
  EXPECT_EQ(app.selectedRunner, 0);
}

TEST_F(UserEvaluationTest, ResetAsksFirst) {
  app.card.userRank[1] = 1;
  app.card.userRank[10] = 5;
  EXPECT_FALSE(resetUserClasses(app));  // いいえ
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0].first, sj("ユーザーの評価を"));
  EXPECT_EQ(dialogs.confirmations[0].second, sj("全て「わからない」に戻します。"));
  EXPECT_EQ(app.card.userRank[1], 1);
  EXPECT_FALSE(app.store.modified);

  dialogs.confirmAnswers.push_back(true);
  EXPECT_TRUE(resetUserClasses(app));
  EXPECT_EQ(app.card.userRank[1], 3);
  EXPECT_EQ(app.card.userRank[10], 3);
  EXPECT_TRUE(app.store.modified);
}

TEST_F(UserEvaluationTest, JudgementNeedsSevenStrongHorsesAtMost) {
  for (int k : {1, 2, 4, 5}) app.card.userRank[k] = 1;
  for (int k : {6, 7, 8}) app.card.userRank[k] = 2;
  app.card.userRank[3] = 1;  // scratched: it does not run, so it does not count
  EXPECT_EQ(strongRatedCount(app.card), 7);
  EXPECT_TRUE(mayJudge(app));
  EXPECT_TRUE(dialogs.messages.empty());

  app.card.userRank[9] = 2;
  EXPECT_FALSE(mayJudge(app));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            (std::vector<std::string>{sj("「絶対連絡む」と「上位必至」の頭数を"),
                                      sj("両方合わせて７頭以下にして下さい。"),
                                      sj("（８頭以上だと候補が絞れません）")}));
}

}  // namespace
}  // namespace korvane
