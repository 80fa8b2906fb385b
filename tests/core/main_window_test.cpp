#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/app/kana_pad.hpp"
#include "core/flows/main_window.hpp"
#include "core/app/main_lists.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "core/text/sjis.hpp"

namespace korvane {
namespace {

using testing::FixedClock;
using testing::ScriptedDialogs;

KanaCaptions kana(const char* a, const char* i, const char* u, const char* e, const char* o) {
  auto one = [](const char* k) { return std::string(k).empty() ? std::string() : sj(k); };
  return {one(a), one(i), one(u), one(e), one(o)};
}

TEST(KanaPad, RowButtonsSetTheFiveLetters) {
  EXPECT_EQ(kanaRowCaptions()[0], sj("ア行"));
  EXPECT_EQ(kanaRowCaptions()[9], sj("ワ行"));
  EXPECT_EQ(kanaRow(1), kana("カ", "キ", "ク", "ケ", "コ"));
  EXPECT_EQ(kanaRow(7), kana("ヤ", "", "ユ", "", "ヨ"));
  EXPECT_EQ(kanaRow(9), kana("ワ", "ヲ", "ン", "　", "ー"));
}

TEST(KanaPad, DakutenCycles) {
  // ハ行 runs through バ and パ; タ行 through ダ and ッ; ヤ行 through the small ones.
  EXPECT_EQ(dakutenStep(dakutenStep(dakutenStep(kanaRow(5)))), kanaRow(5));
  EXPECT_EQ(dakutenStep(dakutenStep(kanaRow(5))), kana("パ", "ピ", "プ", "ペ", "ポ"));
  EXPECT_EQ(dakutenStep(dakutenStep(kanaRow(3))), kana("　", "　", "ッ", "　", "　"));
  EXPECT_EQ(dakutenStep(dakutenStep(dakutenStep(kanaRow(3)))), kanaRow(3));
  EXPECT_EQ(dakutenStep(kanaRow(7)), kana("ャ", "　", "ュ", "　", "ョ"));
  EXPECT_EQ(dakutenStep(dakutenStep(kanaRow(7))), kana("ヤ", "　", "ユ", "　", "ヨ"));

  // Rows without voiced forms do not move.
  EXPECT_EQ(dakutenStep(kanaRow(4)), kanaRow(4));
  EXPECT_EQ(dakutenStep(kanaRow(9)), kanaRow(9));
}

class MainWindowTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  FixedClock clock;
  AtomicLineWriter writer;
  AppState app{dialogs, clock, writer};

  int add(const std::string& name, int age = 3, const std::string& sex = sj("牝")) {
    return appendHorse(app.store, placeholderRecord(identityLine(name, age, sex)));
  }
  void addHorses(int n) {
    for (int i = 1; i <= n; ++i) add(sj("ウマ") + std::to_string(100 + i));
  }
  std::vector<std::string> lastMessage() const {
    return dialogs.messages.empty() ? std::vector<std::string>{} : dialogs.messages.back();
  }
};

TEST_F(MainWindowTest, ListRows) {
  const int filly = add(sj("ハルウララ"), 3, sj("牝"));
  const int gelding = add(sj("ワンダー　ヒーロー"), 10, "\xbe\xdd");  // ｾﾝ
  EXPECT_EQ(horseListRow(app.store, filly), sj("ハルウララ　　　　 牝３"));
  EXPECT_EQ(horseListRow(app.store, gelding), sj("ワンダー　ヒーロー") +
                                                  " \xbe\xdd"
                                                  "10");
  EXPECT_EQ(ageText(9), sj("９"));
  EXPECT_EQ(ageText(99), "99");

  addRunner(app.card, gelding);
  addRunner(app.card, filly);
  scratch(app.card, 2);
  // Placeholder runs give no corner positions: the style is the unknown mark.
  EXPECT_EQ(runnerListRow(app.store, app.card, 1),
            horseListRow(app.store, gelding) + " " + std::string(app.store.line(gelding, kStyleLine)));
  EXPECT_EQ(runnerListRow(app.store, app.card, 2), sj("（　出 　走 　取 　消　）"));
}

TEST_F(MainWindowTest, SearchTextAndPrefixSearch) {
  add(sj("サクラ"));
  add(sj("アイネス"));
  add(sj("アイ"));
  add(sj("アカイ"));
  // Order by name: アイ, アイネス, アカイ, サクラ.
  EXPECT_EQ(findHorse(app.store, ""), 0);
  EXPECT_EQ(findHorse(app.store, sj("ア")), 0);
  EXPECT_EQ(findHorse(app.store, sj("アイネ")), 1);
  EXPECT_EQ(findHorse(app.store, sj("アカ")), 2);
  EXPECT_EQ(findHorse(app.store, sj("サ")), 3);
  EXPECT_EQ(findHorse(app.store, sj("ン")), 4);  // the first empty row
  // "アイ" pads with "　": the stored name is searchable with its blanks.
  EXPECT_EQ(findHorse(app.store, sj("アイ　")), 0);

  EXPECT_EQ(appendToSearch(sj("ア"), sj("イ")), sj("アイ"));
  // An input method in hiragana: the text turns into katakana before the search.
  EXPECT_EQ(appendToSearch(sj("あか"), ""), sj("アカ"));
  EXPECT_EQ(findHorse(app.store, appendToSearch(sj("あいね"), "")), 1);
  EXPECT_EQ(appendToSearch(sj("アイウエオカキク"), sj("け")), sj("アイウエオカキクケ"));
  const std::string nine = sj("アイウエオカキクケ");  // 18 bytes: full
  EXPECT_EQ(appendToSearch(nine, sj("コ")), nine);
  EXPECT_EQ(appendToSearch("ABCDEFGHIJKLMNOPQ", sj("コ")), "ABCDEFGHIJKLMNOPQ");  // no half char

  EXPECT_EQ(backspaceSearch(sj("アイ")), sj("ア"));
  EXPECT_EQ(backspaceSearch(sj("ア")), "");
  EXPECT_EQ(backspaceSearch("A"), "A");
  EXPECT_EQ(backspaceSearch(sj("ア") + "B"), sj("ア"));  // never half of ア
}

TEST_F(MainWindowTest, DeletingTheCurrentHorse) {
  addHorses(3);
  const int second = app.store.order[1];
  app.currentHorse = second;
  enterRunner(app, app.store.order[2]);
  app.selectedSlot = 1;

  dialogs.confirmAnswers = {false};
  EXPECT_FALSE(deleteCurrentHorse(app));
  EXPECT_EQ(app.store.count, 3);
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0].second, sj("を削除します。"));
  EXPECT_EQ(dialogs.confirmations[0].first, sj("ウマ102") + sj("　　　　　") + " ");

  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(deleteCurrentHorse(app));
  EXPECT_EQ(app.store.count, 2);
  EXPECT_EQ(app.currentHorse, app.store.order[1]);  // the horse that followed
  EXPECT_EQ(app.selectedSlot, 1);                   // slots keep their places
}

TEST_F(MainWindowTest, RunnerButtonsFollowTheSelection) {
  addHorses(3);
  for (int n = 1; n <= 3; ++n) enterRunner(app, n);
  app.store.modified = false;

  editSelectedRunner(app, RunnerEdit::Up);  // nothing selected
  EXPECT_FALSE(app.store.modified);

  app.selectedSlot = 3;
  editSelectedRunner(app, RunnerEdit::Down);  // already last
  EXPECT_FALSE(app.store.modified);
  editSelectedRunner(app, RunnerEdit::Up);
  EXPECT_EQ(app.selectedSlot, 2);
  EXPECT_EQ(app.card.runner[2], 3);
  EXPECT_TRUE(app.store.modified);

  editSelectedRunner(app, RunnerEdit::Remove);  // slot 2 holds the next runner now
  EXPECT_EQ(app.selectedSlot, 2);
  EXPECT_EQ(app.card.runner[2], 2);
  editSelectedRunner(app, RunnerEdit::Remove);  // the last slot: no selection left
  EXPECT_EQ(app.selectedSlot, 0);
  EXPECT_EQ(app.card.runnerCount, 1);

  EXPECT_FALSE(enoughRunnersToPredict(app));
  EXPECT_EQ(lastMessage(),
            std::vector<std::string>{sj("出走馬に２頭以上登録してからお願いします。")});

  app.card.distance = 1600;
  app.selectedSlot = 1;
  clearRunners(app);
  EXPECT_EQ(app.card.runnerCount, 0);
  EXPECT_EQ(app.selectedSlot, 0);
  EXPECT_EQ(app.card.distance, 1600);
}

}  // namespace
}  // namespace korvane
