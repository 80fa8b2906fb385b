#include "core/flows/run_entry_window.hpp"

#include <gtest/gtest.h>

#include "core/text/sjis.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

// 1200m in 1:05.0 with 34.0: lap10 103, too fast.
RunEntry fastRun() {
  RunEntry e(RunChoices{}, 1, std::nullopt, std::nullopt, YearMonth{2009, 3});
  e.click(EntryList::Kyori, 5);
  e.click(EntryList::Tokei1, 1);
  e.click(EntryList::Tokei3, 5);
  e.click(EntryList::Agari2, 4);
  return e;
}

TEST(RunEntryWindow, ATooFastTimeIsTakenOnlyAfterYes) {
  testing::ScriptedDialogs dialogs;
  RunEntryWindow window(dialogs, fastRun());
  EXPECT_FALSE(window.complete());
  EXPECT_FALSE(window.run());
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("タイムが速すぎるようですが"), sj("よろしいですか？")));
  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(window.complete());
  ASSERT_TRUE(window.run());
  EXPECT_EQ((*window.run())[3], "1050");
}

TEST(RunEntryWindow, NoTimeAndNoRacecourseAreRefusedAndNoDataIsTaken) {
  testing::ScriptedDialogs dialogs;
  RunEntryWindow window(dialogs, RunEntry(RunChoices{}, 1, std::nullopt, std::nullopt, {2009, 3}));
  // 0.00.0 against 34.0 makes no lap worth a question.
  window.entry().click(EntryList::Agari2, 4);
  EXPECT_FALSE(window.complete());
  EXPECT_TRUE(dialogs.confirmations.empty());
  EXPECT_EQ(dialogs.messages.back(),
            std::vector<std::string>({sj("タイムが入力されていません。入力するか、"),
                                      sj("左上の「データなしボタン」を押して下さい。")}));
  window.noData();
  ASSERT_TRUE(window.run());
  EXPECT_EQ((*window.run())[0], sj("無"));

  RunChoices nowhere;
  nowhere.course = kNoRacecourse;
  RunEntryWindow lost(dialogs, RunEntry(nowhere, 1, std::nullopt, std::nullopt, {2009, 3}));
  EXPECT_FALSE(lost.complete());
  EXPECT_EQ(dialogs.messages.back().front(), sj("競馬場が選ばれていません。"));
  lost.entry().click(EntryList::Keibajou2, 0);
  lost.entry().click(EntryList::Tokei4, 1);
  EXPECT_TRUE(lost.complete());
  EXPECT_EQ((*lost.run())[2].substr(0, 2), sj("米"));
}

}  // namespace
}  // namespace korvane
