#include "core/output/judgement_page.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/output/output_names.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/cp932_lines.hpp"
#include "tests/support/expect_page.hpp"
#include "tests/support/judged_race.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

using testing::JudgedRace;

using testing::sjLines;

PageFrame raceFileFrame() {
  return PageFrame{sj("東京 芝1600m（良）"), sj("京都記念.uma"), sj("◎の信頼度"),
                   sj("コルバン指数による印付け")};
}

TEST(JudgementPage, SmallFieldByteForByte) {
  JudgedRace race(5);
  race.marks({2, 1, 4}, BetKind::TwoAxes, 55);
  race.card.winOdds[1] = 3.0;
  race.card.winOdds[2] = 2.4;
  race.card.winOdds[4] = 12.0;
  const auto page = judgementTextPage(computeBets(race.judge()), raceFileFrame());
  EXPECT_PAGE(page, sjLines({"東京 芝1600m（良）　京都記念.uma",
                             "",
                             "総合判定結果",
                             "",
                             "◎ 2 ホース２　　　　　",
                             "○ 1 ホース１　　　　　",
                             "-----------------------",
                             "▲ 4 ホース４　　　　　",
                             "",
                             "◎の信頼度は55％",
                             "",
                             "＜枠連＞",
                             " 1- 2   3.6倍",
                             " 2- 4  14.4倍",
                             " 1- 4  18.0倍",
                             "--------------",
                             "3頭ボックス",
                             "",
                             "＜単勝＞",
                             " 2   2.4倍",
                             " 1   3.0倍",
                             "",
                             "＜複勝＞",
                             " 2",
                             "",
                             "＜ワイド＞",
                             " 1- 2",
                             " 2- 4",
                             " 1- 4",
                             "",
                             "KORVANE DATA 1997-2009"}));
}

TEST(JudgementPage, LaterBetsInTheSameFormAndLongOddsKeptWhole) {
  JudgedRace race(10);
  race.marks({1, 2, 3, 4, 5}, BetKind::Box, 30);
  race.card.winOdds[1] = 4.0;
  race.card.winOdds[4] = 180.0;
  race.card.winOdds[5] = 150.0;
  const BetLists bets = computeBets(race.judge(), 11);
  const auto page = judgementTextPage(bets, raceFileFrame());
  const auto at = [&](const char* utf8) {
    return std::find(page.begin(), page.end(), sj(utf8)) - page.begin();
  };
  const auto rule = at("--------------");
  EXPECT_EQ(at("＜馬連＞") + 4, rule);
  EXPECT_EQ(page[rule + 1], sj(" 1- 4   360倍"));
  EXPECT_EQ(page[rule + 7], sj(" 4- 5  13500倍"));  // 13500.0 loses only its decimal
  EXPECT_EQ(page[rule + 8], std::string(14, '-'));
  EXPECT_EQ(page[rule + 9], sj("5頭ボックス"));
  EXPECT_EQ(at("＜単勝＞"), static_cast<long>(page.size()));  // a box has no win bet
}

TEST(JudgementPage, NoBetsStillWritesCaptionAndRule) {
  JudgedRace race(9);
  race.marks({}, BetKind::None);
  const auto page = judgementTextPage(computeBets(race.judge()), raceFileFrame());
  EXPECT_PAGE(page, sjLines({"東京 芝1600m（良）　京都記念.uma", "", "総合判定結果", "",
                             "評価できる馬がいません", "", "＜馬連＞", "--------------", "",
                             "KORVANE DATA 1997-2009"}));
}

TEST(JudgementPage, CsvIsRefused) {
  EXPECT_PAGE(
      csvRefusedMessage(pageCaption(OutputPage::Judgement)),
      sjLines({"このページ（総合判定結果の出力）は、", "ＣＳＶ形式での出力に対応していません。"}));
}

TEST(OutputNames, DefaultFilesOnTheDesktop) {
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app(dialogs, clock, writer);
  app.folders.desktop = "/home/user/デスクトップ";
  const std::filesystem::path desktop = app.folders.desktop;

  EXPECT_EQ(defaultOutputFile(app, OutputPage::Judgement, OutputFormat::Text),
            desktop / "新しいファイル.txt");
  EXPECT_EQ(defaultOutputFile(app, OutputPage::PredictionTable, OutputFormat::Csv),
            desktop / "新しいファイル.csv");

  app.editedFile = "/home/user/RaceFile/京都記念.uma";
  EXPECT_EQ(defaultOutputFile(app, OutputPage::Judgement, OutputFormat::Text),
            desktop / "京都記念買目.txt");
  EXPECT_EQ(defaultOutputFile(app, OutputPage::PredictionDetail, OutputFormat::Text),
            desktop / "京都記念詳細.txt");
  EXPECT_EQ(defaultOutputFile(app, OutputPage::PredictionDetail, OutputFormat::Csv),
            desktop / "京都記念予想.csv");

  const FileDialogRequest csv =
      outputSaveRequest(app, OutputPage::PredictionTable, OutputFormat::Csv);
  EXPECT_EQ(csv.title, sj("結果をＣＳＶ形式ファイルで出力（ファイル名の「.csv」は省略できます）"));
  EXPECT_EQ(csv.defaultExtension, "csv");
  EXPECT_EQ(csv.folder, desktop);
  EXPECT_EQ(csv.proposedName, std::filesystem::path("京都記念予想.csv"));
  EXPECT_TRUE(csv.overwritePrompt);
}

}  // namespace
}  // namespace korvane
