#include "core/custom/custom_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <variant>

#include "core/app/app_state.hpp"
#include "core/app/settings_edit.hpp"
#include "core/custom/custom_edit.hpp"
#include "core/flows/custom_marking.hpp"
#include "core/text/sjis.hpp"
#include "core/views/marking_label.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "tests/support/unreadable_file.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using Codes = std::array<int, 5>;

// A custom file: line 1, then each set's rules as five digits each and its priority codes.
std::vector<std::string> umc(std::string set1 =
                                 "11001"
                                 "20000"
                                 "11000"
                                 "20000"
                                 "30002"
                                 "43215",
                             std::string set2 =
                                 "30002"
                                 "30002"
                                 "11001"
                                 "20001"
                                 "11001"
                                 "43215") {
  std::vector<std::string> lines{"DorvoUmc"};
  for (char c : set1 + set2) lines.emplace_back(1, c);
  return lines;
}

class CustomFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("korvane_custom_" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir / "other");
    app.folders.custom = dir;
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // The line an error names, 0 when the lines read.
  static int faultyLine(const std::vector<std::string>& lines) {
    const auto read = parseCustomFile(lines, "x.umc");
    return std::holds_alternative<LoadError>(read) ? std::get<LoadError>(read).line : 0;
  }

  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
  fs::path dir;
};

TEST_F(CustomFileTest, SavingWritesTheSixtyOneLinesAndLoadingReadsThemBack) {
  dialogs.fileAnswers.push_back(fs::path(u8"逃げ重視"));  // ".umc" left off
  CustomEdit edit = openCustomEdit(app);
  ASSERT_TRUE(saveCustomFile(app, edit));
  std::string expected;
  for (const std::string& line : umc()) expected += line + "\r\n";
  const fs::path file = dir / u8"逃げ重視.umc";
  EXPECT_EQ(bytes(file), expected);
  EXPECT_EQ(app.custom.file, file);
  const FileDialogRequest& request = dialogs.fileRequests.at(0);
  EXPECT_EQ(request.title, sj("カスタマイズファイル保存（ファイル名の「.umc」は省略できます）"));
  EXPECT_EQ(request.filter, sj("コルバンカスタマイズファイル(*.umc)|*.umc"));
  EXPECT_EQ(request.defaultExtension, "umc");
  EXPECT_EQ(request.proposedName, fs::path(u8"新カスタマイズ.umc"));
  EXPECT_EQ(dialogs.waits.at(0), sj(" カスタマイズを保存しています"));

  // Loading fills the edit copy only; the file and folder follow the file.
  std::ofstream(dir / "other" / "own.umc", std::ios::binary) << "x\r\n5\r\n" << expected.substr(13);
  dialogs.fileAnswers.push_back(dir / "other" / "own");
  ASSERT_TRUE(loadCustomFile(app, edit));
  EXPECT_EQ(edit.rules().sets[0].marks[0], (MarkRule{5, 1, 0, 0, 1}));
  EXPECT_EQ(app.custom.rules, defaultCustomRules());
  EXPECT_EQ(app.folders.custom, dir / "other");
  EXPECT_EQ(dialogs.waits.at(1), sj("    データを読み込んでいます"));
}

TEST_F(CustomFileTest, AnotherExtensionAFullDiskOrAMissingFileChangeNothing) {
  CustomEdit edit = openCustomEdit(app);
  dialogs.fileAnswers = {fs::path("rules.txt"), fs::path("rules.umc"), fs::path("gone.umc")};
  EXPECT_FALSE(saveCustomFile(app, edit));
  EXPECT_EQ(writer.writes, 0);
  writer.failAll = true;
  EXPECT_FALSE(saveCustomFile(app, edit));
  EXPECT_FALSE(loadCustomFile(app, edit));
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[0],
            std::vector<std::string>{sj("拡張子が「.umc」ではありません。拡張子を「.umc」にするか、"
                                        "もしくは省略して下さい。")});
  EXPECT_EQ(dialogs.messages[2],
            std::vector<std::string>{sj("指定されたファイル名は、存在しません。")});
  EXPECT_EQ(app.custom.file, newCustomFileName());
  EXPECT_EQ(app.folders.custom, dir);
}

TEST_F(CustomFileTest, TheOlderFiftyNineLineFileEndsEachPriorityListWithAllDistance) {
  std::vector<std::string> old =
      umc("11001"
          "20000"
          "11000"
          "20000"
          "30002"
          "2143",
          "30002"
          "30002"
          "11001"
          "20001"
          "11001"
          "4321");
  const auto read = parseCustomFile(old, "old.umc");
  ASSERT_TRUE(std::holds_alternative<CustomRules>(read));
  EXPECT_EQ(std::get<CustomRules>(read).sets[0].priority, (Codes{2, 1, 4, 3, 5}));
  EXPECT_EQ(std::get<CustomRules>(read).sets[1].priority, (Codes{4, 3, 2, 1, 5}));
  EXPECT_EQ(std::get<CustomRules>(read).sets[1].marks, defaultCustomRules().sets[1].marks);
  old[29] = "5";  // the older lists know only four indexes
  EXPECT_EQ(faultyLine(old), 30);
}

TEST_F(CustomFileTest, AFaultyLineIsNamedAndNothingIsTaken) {
  const std::vector<std::string> good = umc();
  auto with = [&good](int line, std::string value) {
    std::vector<std::string> changed = good;
    changed[line - 1] = std::move(value);
    return changed;
  };
  EXPECT_EQ(faultyLine(with(1, "anything")), 0);  // line 1 is not read
  for (auto [line, value] : std::vector<std::pair<int, std::string>>{
           {12, "x"},
           {12, ""},
           {12, "1.0"},
           {2, "9"},
           {2, "0"},
           {3, "2"},
           {4, "2"},
           {5, "4"},
           {6, "5"},
           {31, "6"},
           {61, "4"}}) {  // 61: 4, 3, 2, 1, 4 leaves 全距離 out
    EXPECT_EQ(faultyLine(with(line, value)), line) << line << " " << value;
  }
  EXPECT_EQ(faultyLine({good.begin(), good.end() - 1}), 61);
  EXPECT_EQ(faultyLine({good.begin(), good.begin() + 20}), 21);

  AtomicLineWriter().writeLines(dir / "broken.umc", with(40, "x"));
  dialogs.fileAnswers.push_back(fs::path("broken.umc"));
  CustomEdit edit = openCustomEdit(app);
  edit.chooseKindItem(0, 4);
  const CustomRules before = edit.rules();
  EXPECT_FALSE(loadCustomFile(app, edit));
  EXPECT_EQ(dialogs.messages.at(0).at(0), sj("「broken.umc」を読み込めませんでした。"));
  EXPECT_EQ(dialogs.messages[0].at(1), sj("40行目：数字ではありません。"));
  EXPECT_EQ(edit.rules(), before);
  EXPECT_EQ(app.custom.file, newCustomFileName());

  // A file the system refuses gives the system's reason.
  const testing::UnreadableFile noread = testing::makeUnreadableFile(dir / "noread.umc");
  dialogs.fileAnswers.push_back(fs::path("noread.umc"));
  EXPECT_FALSE(loadCustomFile(app, edit));
  EXPECT_EQ(dialogs.messages.at(1),
            (std::vector<std::string>{sj("「noread.umc」を読み込めませんでした。"), noread.reason,
                                      sj("データは読み込む前のままです。")}));
  EXPECT_EQ(edit.rules(), before);
}

TEST_F(CustomFileTest, TabItemsAndThePowerTick) {
  app.card.development = developments()[4];  // 差し追込断然
  CustomEdit edit = openCustomEdit(app);
  EXPECT_EQ(edit.set(), 1);
  edit.selectSet(0);
  const Codes kinds{2, 1, 5, 3, 6};
  for (int item = 0; item < 5; ++item) {
    edit.chooseKindItem(2, item);
    EXPECT_EQ(edit.rules().sets[0].marks[2].kind, kinds[item]);
  }
  edit.chooseKindItem(1, 1);  // 底力上位の馬 ticks the 底力 box and keeps it ticked
  EXPECT_TRUE(edit.setPowerFilter(1, false));
  edit.chooseKindItem(1, 5);  // 全距離上位の馬
  EXPECT_FALSE(edit.setPowerFilter(1, false));
  edit.chooseLosePItem(1, 0);
  edit.chooseFormItem(1, 1);
  edit.chooseStyleItem(1, 3);
  EXPECT_EQ(edit.rules().sets[0].marks[1], (MarkRule{4, 0, 1, 2, 4}));
  EXPECT_EQ(edit.rules().sets[1], defaultCustomRules().sets[1]);
}

TEST_F(CustomFileTest, PriorityRowsMoveWithTheSelection) {
  CustomEdit edit = openCustomEdit(app);
  EXPECT_EQ(edit.priorityRows()[0], sj("底力が５番目以内"));
  EXPECT_EQ(edit.priorityRows()[4], sj("全距離能力値が５番目以内"));
  edit.moveUp();  // the first row stays
  edit.selectRow(3);
  edit.moveUp();
  edit.moveUp();
  EXPECT_EQ(edit.selectedRow(), 1);
  edit.selectSet(1);  // each set has its own selection
  edit.selectRow(4);
  edit.moveDown();  // the last row stays
  edit.moveUp();
  EXPECT_EQ(edit.rules().sets[0].priority, (Codes{4, 1, 3, 2, 5}));
  EXPECT_EQ(edit.rules().sets[1].priority, (Codes{4, 3, 2, 5, 1}));
}

TEST_F(CustomFileTest, CompleteBackAndStandard) {
  // One runner strong on 底力 only: the standard way marks nobody, the default rules mark it.
  app.card.runnerCount = app.result.runnerCount = app.card.runner[1] = 1;
  app.result.runner[1] = {.power = 600,
                          .powerRank = 1,
                          .losePRank = 9,
                          .allDistanceRank = 9,
                          .bestRank = 9,
                          .raceStyle = sj("好")};
  CustomEdit edit = openCustomEdit(app);
  dialogs.fileAnswers = {fs::path(u8"あいうえおかきくけこさ.umc"), fs::path("x.umc")};
  ASSERT_TRUE(saveCustomFile(app, edit));
  commitCustom(app, edit);
  EXPECT_EQ(app.result.markCount, 1);
  EXPECT_EQ(modeLabel(app.settings), sj("カスタマイズ"));
  EXPECT_EQ(markingLabel(app), sj("あいうえおかきくけこ"));
  EXPECT_EQ(customFileLabel(u8"Aあいうえおかきくけこ.umc"), "A" + sj("あいうえおかきくけ"));

  CustomEdit second = openCustomEdit(app);  // saved without 完了: not the file in use
  ASSERT_TRUE(saveCustomFile(app, second));
  leaveCustom(app, second);
  EXPECT_EQ(app.custom.file.filename(), fs::path(u8"あいうえおかきくけこさ.umc"));

  restoreStandardMarking(app);
  EXPECT_EQ(app.result.markCount, 0);
  EXPECT_EQ(app.custom.rules, defaultCustomRules());
  EXPECT_EQ(app.custom.file, newCustomFileName());
  EXPECT_EQ(modeLabel(app.settings), sj("標準"));
  EXPECT_EQ(markingLabel(app), sj("コルバン指数による印付け"));
}

}  // namespace
}  // namespace korvane
