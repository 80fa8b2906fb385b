#include "core/flows/record_editor.hpp"

#include <gtest/gtest.h>

#include "core/database/horse_fields.hpp"
#include "tests/core/engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::addHorse;
using testing::EngineFixture;
using testing::PastRun;

struct RecordEditorTest : ::testing::Test {
  EngineFixture world;
  AppState& app = world.app;
  testing::ScriptedDialogs& dialogs = world.dialogs;
  int horse = 0;

  void SetUp() override {
    PastRun first;
    first.distance = 2000;
    first.yymm = "9705";
    first.time = "2015";
    first.corners = " 5 4 3";
    first.last3F = 352;
    PastRun second = first;
    second.last3F = 999;
    second.corners = " 0 0 0";
    second.finish = 12;
    horse = addHorse(app.store, "バブルガムフェロー", {first, second});
    app.currentHorse = horse;
    app.currentScreen = Screen::Main;
    app.store.modified = false;
  }
};

TEST_F(RecordEditorTest, ShowsTheHorseAndItsRunsAsTheMemosRead) {
  {
    RecordEditor editor(app);
    EXPECT_EQ(app.currentScreen, Screen::Entry);
    EXPECT_EQ(editor.nameLabel(), sj("バブルガムフェロー 牡4"));
    EXPECT_EQ(editor.styleLabel(), sj("好差"));
    const RunRow first = editor.row(1);
    EXPECT_EQ(first.finish, sj(" 1着"));
    EXPECT_EQ(first.course, sj("東京 '97/05 芝2000m(良)"));
    EXPECT_EQ(first.time, sj("2.01.5(12.33)  5. 4. 3  35秒2"));
    const RunRow second = editor.row(2);
    EXPECT_EQ(second.finish, sj("12着"));
    EXPECT_EQ(second.time, sj("2.01.5(??.?"
                              "?) ??.??.??  ??秒?"));
    const RunRow empty = editor.row(3);
    EXPECT_EQ(empty.finish, sj(" なし"));
    EXPECT_EQ(empty.course, "");
  }
  EXPECT_EQ(app.currentScreen, Screen::Main);
}

TEST_F(RecordEditorTest, InsertAndDeleteAskFirstAndOnlyActOnYes) {
  RecordEditor editor(app);
  EXPECT_FALSE(editor.insertRun(2));
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("前々走に成績を挿入します。"), sj("５走前は削除されます。")));
  EXPECT_FALSE(app.store.modified);

  dialogs.confirmAnswers = {true, false, true};
  EXPECT_TRUE(editor.insertRun(2));
  EXPECT_EQ(editor.row(2).finish, sj(" なし"));
  EXPECT_EQ(editor.row(3).finish, sj("12着"));
  EXPECT_FALSE(editor.deleteRun(4));
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("４走前を削除して"), sj("５走前を４走前にします。")));
  EXPECT_TRUE(editor.deleteRun(1));
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("前走を削除して"), sj("前々走を前走にします。")));
  EXPECT_EQ(editor.row(1).finish, sj(" なし"));
  EXPECT_EQ(editor.row(2).finish, sj("12着"));
  // Left with one run without corner positions.
  EXPECT_EQ(editor.styleLabel(), sj("好差"));
  EXPECT_TRUE(app.store.modified);
}

TEST_F(RecordEditorTest, ANewNewestRunStartsFromTheLastOneAndIsStoredInFront) {
  RecordEditor editor(app);
  RunEntry entry = editor.runEntry(0);
  EXPECT_EQ(entry.heading(), sj("前走"));
  EXPECT_EQ(entry.keibajouText(), sj("東京"));
  // 12 years back from 2009: the month is kept, the year list has no such year.
  EXPECT_EQ(entry.kaisaiText(), "'?" "?/05");
  entry.click(EntryList::Chaku, 2);
  editor.storeRun(0, entry.completedRun());
  EXPECT_EQ(editor.row(1).finish, sj(" 3着"));
  EXPECT_EQ(editor.row(2).finish, sj(" 1着"));
  EXPECT_TRUE(app.store.modified);
}

TEST_F(RecordEditorTest, RenameFlagsTheNameChangeAndHelpShowsTwoPages) {
  RecordEditor editor(app);
  EXPECT_FALSE(editor.nameChanged());
  NameChoice c = editor.renameChoice();
  c.ageIndex = 3;
  editor.rename(c);
  EXPECT_TRUE(editor.nameChanged());
  EXPECT_EQ(editor.nameLabel(), sj("バブルガムフェロー 牡5"));

  editor.help();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].size(), 8u);
  EXPECT_EQ(dialogs.messages[1].size(), 6u);
  EXPECT_EQ(dialogs.messages[1].back(), sj("１ハロン平均タイムです。"));
}

}  // namespace
}  // namespace korvane
