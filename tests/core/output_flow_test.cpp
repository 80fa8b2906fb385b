#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/flows/output.hpp"
#include "core/output/judgement_page.hpp"
#include "core/output/printed_lines.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/cp932_lines.hpp"
#include "tests/support/judged_race.hpp"
#include "tests/support/recording_printer.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::sjLines;

std::string fileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A page whose two forms are told apart by their first line.
std::vector<std::string> page(OutputFormat format) {
  return format == OutputFormat::Csv
             ? sjLines({"番,馬名", "１,ウマ"})
             : sjLines({"東京 芝1600m（良）", "", "１ ウマ", "", "KORVANE DATA 1997-2009"});
}

class OutputFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("korvane_output_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    app.folders.desktop = dir_;
    app.editedFile = "/home/user/RaceFile/京都記念.uma";
  }
  void TearDown() override { fs::remove_all(dir_); }

  OutputFlow flow(OutputPage page = OutputPage::PredictionTable) {
    return OutputFlow(app, printer, page, &korvane::page);
  }

  fs::path dir_;
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  testing::RecordingPrinter printer;
  AppState app{dialogs, clock, writer};
};

TEST(PrintedLines, EmptyLineThenEveryLineBehindTheMargin) {
  EXPECT_EQ(printedLines(sjLines({"東京", "", "番 馬名"})),
            sjLines({"", "　東京", "　", "　番 馬名"}));
  EXPECT_EQ(printedLines({}), std::vector<std::string>{""});
}

TEST_F(OutputFlowTest, PrintsTheTextPageAfterThePrintDialog) {
  OutputFlow output = flow();
  EXPECT_EQ(output.method(), OutputMethod::Printer);  // the window opens on プリンタで印刷

  printer.printerChosen = false;
  EXPECT_EQ(output.output(), OutputResult::Cancelled);
  EXPECT_TRUE(printer.jobs.empty());

  printer.printerChosen = true;
  EXPECT_EQ(output.output(), OutputResult::Done);
  ASSERT_EQ(printer.jobs.size(), 1u);
  EXPECT_EQ(printer.jobs[0], printedLines(page(OutputFormat::Text)));
  EXPECT_TRUE(dialogs.messages.empty());

  printer.failJobs = true;
  EXPECT_EQ(output.output(), OutputResult::Failed);
  EXPECT_EQ(dialogs.messages.back(),
            sjLines({"印刷できませんでした。", "プリンタの状態を確かめて下さい。"}));
}

TEST_F(OutputFlowTest, CsvRefusedForTheJudgementPageOnly) {
  testing::JudgedRace race(5);
  race.marks({1, 2, 3}, BetKind::OneAxis);
  OutputFlow judgement(app, printer, OutputPage::Judgement,
                       judgementPage(computeBets(race.judge()), PageFrame{}));
  judgement.choose(OutputMethod::CsvFile);
  EXPECT_EQ(judgement.method(), OutputMethod::TextFile);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], sjLines({"このページ（総合判定結果の出力）は、",
                                          "ＣＳＶ形式での出力に対応していません。"}));

  // The text file that replaced the choice is the judgement page with its default name.
  dialogs.fileAnswers.push_back(fs::path("京都記念買目"));
  EXPECT_EQ(judgement.output(), OutputResult::Done);
  EXPECT_EQ(dialogs.fileRequests.back().proposedName, fs::path("京都記念買目.txt"));
  EXPECT_TRUE(fs::exists(dir_ / "京都記念買目.txt"));

  OutputFlow table = flow();
  table.choose(OutputMethod::CsvFile);
  EXPECT_EQ(table.method(), OutputMethod::CsvFile);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(OutputFlowTest, FilesAreCp932WithCrLfUnderTheTypedName) {
  OutputFlow output = flow();
  output.choose(OutputMethod::TextFile);
  dialogs.fileAnswers.push_back(fs::path("今日"));  // a bare name: the desktop, ".txt" added
  EXPECT_EQ(output.output(), OutputResult::Done);
  const FileDialogRequest& asked = dialogs.fileRequests.back();
  EXPECT_EQ(asked.title, sj("結果をテキストファイルで出力（ファイル名の「.txt」は省略できます）"));
  EXPECT_EQ(asked.proposedName, fs::path("京都記念予想.txt"));
  EXPECT_EQ(fileBytes(dir_ / "今日.txt"), sj("東京 芝1600m（良）\r\n\r\n１ ウマ\r\n\r\n"
                                             "KORVANE DATA 1997-2009\r\n"));

  output.choose(OutputMethod::CsvFile);
  dialogs.fileAnswers.push_back(dir_ / "表.csv");
  EXPECT_EQ(output.output(), OutputResult::Done);
  EXPECT_EQ(dialogs.fileRequests.back().proposedName, fs::path("京都記念予想.csv"));
  EXPECT_EQ(fileBytes(dir_ / "表.csv"), sj("番,馬名\r\n１,ウマ\r\n"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(OutputFlowTest, CancelOrRefusedOverwriteWritesNothing) {
  OutputFlow output = flow();
  output.choose(OutputMethod::TextFile);
  EXPECT_EQ(output.output(), OutputResult::Cancelled);  // the save dialog cancelled

  // The dialog asked about "今日" as typed; the "今日.txt" it becomes is already there.
  std::ofstream(dir_ / "今日.txt") << "old";
  dialogs.fileAnswers.push_back(fs::path("今日"));
  dialogs.confirmAnswers.push_back(false);
  EXPECT_EQ(output.output(), OutputResult::Cancelled);
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0].first, sj("今日.txtは既にあります。"));
  EXPECT_EQ(writer.writes, 0);
  EXPECT_EQ(fileBytes(dir_ / "今日.txt"), "old");
}

TEST_F(OutputFlowTest, FailedWriteNamesTheFileAndKeepsTheOldOne) {
  std::ofstream(dir_ / "京都記念予想.txt") << "old";
  writer.failAll = true;
  OutputFlow output = flow();
  output.choose(OutputMethod::TextFile);
  dialogs.fileAnswers.push_back(dir_ / "京都記念予想.txt");
  EXPECT_EQ(output.output(), OutputResult::Failed);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            sjLines({"「京都記念予想.txt」に保存できませんでした。",
                     "ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。"}));
  EXPECT_EQ(fileBytes(dir_ / "京都記念予想.txt"), "old");
}

TEST_F(OutputFlowTest, PdfHoldsThePrintedLinesUnderItsOwnName) {
  OutputFlow output = flow(OutputPage::PredictionDetail);
  output.choose(OutputMethod::PdfFile);
  dialogs.fileAnswers.push_back(fs::path("京都記念詳細"));
  EXPECT_EQ(output.output(), OutputResult::Done);
  const FileDialogRequest& asked = dialogs.fileRequests.back();
  EXPECT_EQ(asked.title, sj("結果をＰＤＦファイルで出力（ファイル名の「.pdf」は省略できます）"));
  EXPECT_EQ(asked.defaultExtension, "pdf");
  EXPECT_EQ(asked.proposedName, fs::path("京都記念詳細.pdf"));
  ASSERT_EQ(printer.pdfs.size(), 1u);
  EXPECT_EQ(printer.pdfs[0].first, dir_ / "京都記念詳細.pdf");
  EXPECT_EQ(printer.pdfs[0].second, printedLines(page(OutputFormat::Text)));
  EXPECT_EQ(printer.dialogs, 0);  // no print dialog on the way to a file

  printer.failPdf = true;
  dialogs.fileAnswers.push_back(fs::path("京都記念詳細"));
  EXPECT_EQ(output.output(), OutputResult::Failed);
  EXPECT_EQ(dialogs.messages.back()[0], sj("「京都記念詳細.pdf」に保存できませんでした。"));
}

TEST_F(OutputFlowTest, AllHorsesSetOffersANewFile) {
  app.editedFile = allHorsesFileName();
  OutputFlow output = flow(OutputPage::Judgement);
  output.choose(OutputMethod::PdfFile);
  EXPECT_EQ(output.output(), OutputResult::Cancelled);
  EXPECT_EQ(dialogs.fileRequests.back().proposedName, fs::path("新しいファイル.pdf"));
  EXPECT_EQ(dialogs.fileRequests.back().folder, dir_);
}

}  // namespace
}  // namespace korvane
