#include "custom/custom_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <variant>

#include "app/app_state.hpp"
#include "custom/custom_edit.hpp"
#include "support/scripted_dialogs.hpp"
#include "text/line_file.hpp"
#include "text/sjis.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;

// The defaults as the custom file holds them: five digits a rule, then the priority codes.
std::vector<std::string> defaultFileLines() {
  std::vector<std::string> lines{"DorvoUmc"};
  for (const char* set : {"11001"
                          "20000"
                          "11000"
                          "20000"
                          "30002"
                          "43215",
                          "30002"
                          "30002"
                          "11001"
                          "20001"
                          "11001"
                          "43215"}) {
    for (const char* c = set; *c; ++c) lines.emplace_back(1, *c);
  }
  return lines;
}

class CustomFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("korvane_custom_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "CustomFile");
    fs::create_directories(dir_ / "other");
    app.folders.custom = dir_ / "CustomFile";
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path put(const fs::path& relative, const std::vector<std::string>& lines) {
    const fs::path file = dir_ / relative;
    EXPECT_TRUE(AtomicLineWriter().writeLines(file, lines));
    return file;
  }
  static std::string bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Line numbers in the error shown for a file of these lines, or 0 when it reads.
  static int faultyLine(const std::vector<std::string>& lines) {
    const auto read = parseCustomFile(lines, "x.umc");
    const LoadError* error = std::get_if<LoadError>(&read);
    return error ? error->line : 0;
  }

  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
  fs::path dir_;
};

TEST_F(CustomFileTest, SavingWritesTheSixtyOneLinesUnderTheUmcName) {
  dialogs.fileAnswers.push_back(fs::path(u8"逃げ重視"));  // extension left off
  CustomEdit edit(app);
  ASSERT_TRUE(saveCustomFile(app, edit));

  const fs::path file = dir_ / "CustomFile" / u8"逃げ重視.umc";
  std::string expected;
  for (const std::string& line : defaultFileLines()) expected += line + "\r\n";
  EXPECT_EQ(bytes(file), expected);
  EXPECT_EQ(app.custom.file, file);
  EXPECT_EQ(app.folders.custom, dir_ / "CustomFile");

  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  const FileDialogRequest& request = dialogs.fileRequests[0];
  EXPECT_EQ(request.title, sj("カスタマイズファイル保存（ファイル名の「.umc」は省略できます）"));
  EXPECT_EQ(request.filter, sj("コルバンカスタマイズファイル(*.umc)|*.umc"));
  EXPECT_EQ(request.defaultExtension, "umc");
  EXPECT_EQ(request.folder, dir_ / "CustomFile");
  EXPECT_EQ(request.proposedName, fs::path(u8"新カスタマイズ.umc"));
  EXPECT_EQ(dialogs.waits, std::vector<std::string>{sj(" カスタマイズを保存しています")});
  EXPECT_FALSE(dialogs.waitShown);
}

TEST_F(CustomFileTest, SavingUnderAnotherExtensionOrOntoAFullDiskWritesNothing) {
  CustomEdit edit(app);
  dialogs.fileAnswers.push_back(dir_ / "other" / "rules.txt");
  EXPECT_FALSE(saveCustomFile(app, edit));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            std::vector<std::string>{sj("拡張子が「.umc」ではありません。拡張子を「.umc」にするか、"
                                        "もしくは省略して下さい。")});
  EXPECT_EQ(writer.writes, 0);

  writer.failAll = true;
  dialogs.fileAnswers.push_back(dir_ / "other" / "rules.umc");
  EXPECT_FALSE(saveCustomFile(app, edit));
  EXPECT_EQ(dialogs.messages.size(), 2u);
  // Neither attempt moved the current file or folder.
  EXPECT_EQ(app.custom.file, newCustomFileName());
  EXPECT_EQ(app.folders.custom, dir_ / "CustomFile");
}

TEST_F(CustomFileTest, LoadingFillsTheEditCopyOnly) {
  std::vector<std::string> lines = defaultFileLines();
  lines[1] = "5";   // set 1 ◎ by 負Ｐ
  lines[56] = "1";  // set 2 priority 1, 3, 2, 4, 5
  lines[57] = "3";
  lines[58] = "2";
  lines[59] = "4";
  const fs::path file = put("other/own.umc", lines);
  dialogs.fileAnswers.push_back(dir_ / "other" / "own");
  CustomEdit edit(app);
  ASSERT_TRUE(loadCustomFile(app, edit));

  EXPECT_EQ(edit.rules().sets[0].marks[0].kind, 5);
  EXPECT_EQ(edit.rules().sets[1].priority, (std::array<int, 5>{1, 3, 2, 4, 5}));
  EXPECT_EQ(app.custom.rules, defaultCustomRules());  // nothing committed before 完了
  EXPECT_EQ(app.custom.file, file);
  EXPECT_EQ(app.folders.custom, dir_ / "other");
  EXPECT_EQ(dialogs.waits, std::vector<std::string>{sj("    データを読み込んでいます")});

  // The window's file dialogs now start where the file was, and a save writes the same bytes.
  dialogs.fileAnswers.push_back(fs::path("copy.umc"));
  ASSERT_TRUE(saveCustomFile(app, edit));
  EXPECT_EQ(bytes(dir_ / "other" / "copy.umc"), bytes(file));
}

TEST_F(CustomFileTest, TheOlderFileOfFiftyNineLinesEndsEachPriorityListWithAllDistance) {
  std::vector<std::string> lines{"DorvoUmc"};
  for (const char* set : {"11001"
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
                          "4321"}) {
    for (const char* c = set; *c; ++c) lines.emplace_back(1, *c);
  }
  ASSERT_EQ(lines.size(), 59u);
  const auto read = parseCustomFile(lines, "old.umc");
  ASSERT_TRUE(std::holds_alternative<CustomRules>(read));
  const CustomRules& rules = std::get<CustomRules>(read);
  EXPECT_EQ(rules.sets[0].priority, (std::array<int, 5>{2, 1, 4, 3, 5}));
  EXPECT_EQ(rules.sets[1].priority, (std::array<int, 5>{4, 3, 2, 1, 5}));
  EXPECT_EQ(rules.sets[1].marks, defaultCustomRules().sets[1].marks);

  lines[29] = "5";  // the older lists know only four indexes
  EXPECT_EQ(faultyLine(lines), 30);
}

TEST_F(CustomFileTest, AFaultyLineIsNamedAndNothingIsTaken) {
  const std::vector<std::string> good = defaultFileLines();
  std::vector<std::string> lines = good;
  EXPECT_EQ(faultyLine(lines), 0);
  lines[0] = "anything";  // line 1 is not read
  EXPECT_EQ(faultyLine(lines), 0);

  auto with = [&good](int line, std::string value) {
    std::vector<std::string> changed = good;
    changed[line - 1] = std::move(value);
    return changed;
  };
  EXPECT_EQ(faultyLine(with(12, "x")), 12);
  EXPECT_EQ(faultyLine(with(12, "")), 12);
  EXPECT_EQ(faultyLine(with(12, "1.0")), 12);
  EXPECT_EQ(faultyLine(with(2, "9")), 2);  // kind
  EXPECT_EQ(faultyLine(with(2, "0")), 2);
  EXPECT_EQ(faultyLine(with(3, "2")), 3);    // 底力 filter
  EXPECT_EQ(faultyLine(with(4, "2")), 4);    // 負Ｐ filter
  EXPECT_EQ(faultyLine(with(5, "4")), 5);    // form
  EXPECT_EQ(faultyLine(with(6, "5")), 6);    // style
  EXPECT_EQ(faultyLine(with(31, "6")), 31);  // priority code
  EXPECT_EQ(faultyLine(with(61, "4")), 61);  // 4, 3, 2, 1, 4: 全距離 left out
  lines.pop_back();
  EXPECT_EQ(faultyLine(lines), 61);  // 60 lines: the last code is missing
  lines.resize(20);
  EXPECT_EQ(faultyLine(lines), 21);

  // Through the window: the message names the file and the line; the edit copy, the committed
  // rules and the current file stay.
  put("CustomFile/broken.umc", with(40, "x"));
  dialogs.fileAnswers.push_back(fs::path("broken.umc"));
  CustomEdit edit(app);
  edit.chooseKindItem(0, 4);
  const CustomRules before = edit.rules();
  EXPECT_FALSE(loadCustomFile(app, edit));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0][0], sj("「broken.umc」を読み込めませんでした。"));
  EXPECT_EQ(dialogs.messages[0][1], sj("40行目：数字ではありません。"));
  EXPECT_EQ(edit.rules(), before);
  EXPECT_EQ(app.custom.rules, defaultCustomRules());
  EXPECT_EQ(app.custom.file, newCustomFileName());
}

TEST_F(CustomFileTest, LoadingAMissingFileSaysSo) {
  dialogs.fileAnswers.push_back(fs::path("gone.umc"));
  CustomEdit edit(app);
  EXPECT_FALSE(loadCustomFile(app, edit));
  EXPECT_EQ(dialogs.messages,
            std::vector<std::vector<std::string>>{{sj("指定されたファイル名は、存在しません。")}});
  EXPECT_TRUE(dialogs.waits.empty());
}

TEST_F(CustomFileTest, TheTabsMapTheirItemsToRuleValues) {
  app.card.development = developments()[4];  // 差し追込断然
  CustomEdit edit(app);
  EXPECT_EQ(edit.set(), 1);
  edit.selectSet(0);
  const std::array<int, 6> kinds{2, 1, 5, 3, 6, 4};
  for (int item = 0; item < 6; ++item) {
    edit.chooseKindItem(2, item);
    EXPECT_EQ(edit.rules().sets[0].marks[2].kind, kinds[item]);
    EXPECT_EQ(edit.kindItem(2), item);
  }
  edit.chooseLosePItem(2, 0);
  edit.chooseFormItem(2, 1);
  edit.chooseStyleItem(2, 0);
  // 底力上位の馬 on the way left its tick on.
  EXPECT_EQ(edit.rules().sets[0].marks[2], (MarkRule{4, 1, 1, 2, 2}));
  edit.chooseLosePItem(2, 1);
  edit.chooseFormItem(2, 3);
  edit.chooseStyleItem(2, 3);
  EXPECT_EQ(edit.rules().sets[0].marks[2], (MarkRule{4, 1, 0, 0, 4}));
  EXPECT_EQ(edit.styleItem(2), 3);
  // The 断然 set was not touched.
  EXPECT_EQ(edit.rules().sets[1], defaultCustomRules().sets[1]);
}

TEST_F(CustomFileTest, PowerKindTicksThePowerFilterAndKeepsItTicked) {
  CustomEdit edit(app);
  ASSERT_EQ(edit.rules().sets[0].marks[1].kind, 2);  // ○ by 能力, no filter
  edit.chooseKindItem(1, 1);                         // 底力上位の馬
  EXPECT_TRUE(edit.powerFilter(1));
  EXPECT_TRUE(edit.powerFilterLocked(1));
  EXPECT_TRUE(edit.setPowerFilter(1, false));  // refused
  edit.chooseKindItem(1, 3);                   // ベスト上位の馬: the tick stays but may go
  EXPECT_TRUE(edit.powerFilter(1));
  EXPECT_FALSE(edit.setPowerFilter(1, false));
  EXPECT_EQ(edit.rules().sets[0].marks[1], (MarkRule{3, 0, 0, 0, 0}));
}

TEST_F(CustomFileTest, PriorityRowsMoveWithTheSelection) {
  CustomEdit edit(app);
  EXPECT_EQ(edit.priorityRows(),
            (std::array<std::string, 5>{sj("底力が５番目以内"), sj("能力値が５番目以内"),
                                        sj("ベストが５番目以内"), sj("前走が５番目以内"),
                                        sj("全距離能力値が５番目以内")}));
  edit.moveUp();  // the first row has nowhere to go
  EXPECT_EQ(edit.rules().sets[0].priority, (std::array<int, 5>{4, 3, 2, 1, 5}));
  edit.selectRow(3);
  edit.moveUp();
  edit.moveUp();
  EXPECT_EQ(edit.selectedRow(), 1);
  EXPECT_EQ(edit.rules().sets[0].priority, (std::array<int, 5>{4, 1, 3, 2, 5}));
  edit.selectRow(4);
  edit.moveDown();
  EXPECT_EQ(edit.selectedRow(), 4);
  // Each set keeps its own selection.
  edit.selectSet(1);
  EXPECT_EQ(edit.selectedRow(), 0);
  edit.moveDown();
  EXPECT_EQ(edit.rules().sets[1].priority, (std::array<int, 5>{3, 4, 2, 1, 5}));
  EXPECT_EQ(edit.rules().sets[0].priority, (std::array<int, 5>{4, 1, 3, 2, 5}));
}

TEST_F(CustomFileTest, CompleteStandardAndBack) {
  // One runner, strong on 底力 only: the standard way marks nobody, the default rules mark it ◎.
  app.card.runnerCount = 1;
  app.card.runner[1] = 1;
  app.result.runnerCount = 1;
  RunnerResult& r = app.result.runner[1];
  r.power = 600;
  r.powerRank = 1;
  r.bestRank = r.losePRank = r.abilityRank = r.lastRunRank = r.allDistanceRank = 9;
  r.raceStyle = sj("好");

  CustomEdit edit(app);
  dialogs.fileAnswers.push_back(fs::path(u8"あいうえおかきくけこさ.umc"));
  ASSERT_TRUE(saveCustomFile(app, edit));
  commitCustom(app, edit);
  EXPECT_EQ(app.settings.shirushi, 1);
  EXPECT_EQ(app.result.markCount, 1);
  EXPECT_EQ(markingModeLabel(app), sj("カスタマイズ"));
  EXPECT_EQ(markingLabel(app), sj("あいうえおかきくけこ"));  // 20 bytes of the name

  // A file saved without 完了 is not the one in use.
  CustomEdit second(app);
  dialogs.fileAnswers.push_back(fs::path("x.umc"));
  ASSERT_TRUE(saveCustomFile(app, second));
  leaveCustom(app, second);
  EXPECT_EQ(app.custom.file.filename(), fs::path(u8"あいうえおかきくけこさ.umc"));

  CustomEdit third(app);
  third.selectRow(2);
  restoreStandardMarking(app);
  EXPECT_EQ(app.settings.shirushi, 0);
  EXPECT_EQ(app.result.markCount, 0);
  EXPECT_EQ(app.custom.rules, defaultCustomRules());
  EXPECT_EQ(app.custom.file, newCustomFileName());
  EXPECT_EQ(app.custom.selectedRow, (std::array<int, 2>{0, 0}));
  EXPECT_EQ(markingModeLabel(app), sj("標準"));
  EXPECT_EQ(markingLabel(app), sj("コルバン指数による印付け"));
}

TEST_F(CustomFileTest, TheFileLabelNeverSplitsACharacter) {
  EXPECT_EQ(customFileLabel(fs::path("/a/b") / u8"Aあいうえおかきくけこ.umc"),
            "A" + sj("あいうえおかきくけ"));  // 19 bytes
  EXPECT_EQ(customFileLabel(u8"新カスタマイズ.umc"), sj("新カスタマイズ.umc"));
}

}  // namespace
}  // namespace korvane
