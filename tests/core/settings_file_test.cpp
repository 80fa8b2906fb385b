#include "core/app/settings_file.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/app/app_state.hpp"
#include "core/app/settings_edit.hpp"
#include "core/flows/settings.hpp"
#include "core/app/window_position.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Symbols = std::array<std::string, 6>;

TEST(SettingsFile, EveryOlderFormReads) {
  const Settings none = parseSettings(Lines{});
  EXPECT_TRUE(none.load);
  EXPECT_EQ(none.symbols, defaultSymbols());
  EXPECT_EQ(none.kaime, BetDisplay::Standard);

  const Settings position = parseSettings(Lines{"120", "-4"});
  EXPECT_EQ(position.left, 120);
  EXPECT_EQ(position.top, -4);
  EXPECT_TRUE(position.load);

  // Five symbols from before the second 連下, which takes its standard ×.
  EXPECT_EQ(parseSettings(Lines{"0", "0", "load=Y", sj("◎○▲△注")}).symbols,
            (Symbols{sj("◎"), sj("○"), sj("▲"), sj("△"), sj("×"), sj("注")}));

  const Settings s = parseSettings(
      Lines{"0", "0", "load=N", sj("★☆◆◇") + "A " + sj("□"), "Shirushi=1", "Kaime=3"});
  EXPECT_FALSE(s.load);
  EXPECT_EQ(s.symbols, (Symbols{sj("★"), sj("☆"), sj("◆"), sj("◇"), "A ", sj("□")}));
  EXPECT_EQ(s.shirushi, MarkingMode::Standard) << "custom marking is chosen anew after every start";
  EXPECT_EQ(s.kaime, BetDisplay::OneAxis);
  EXPECT_FALSE(parseSettings(Lines{"0", "0", "load=y"}).load);
}

TEST(SettingsFile, DamagedLinesFallBackInsteadOfStoppingTheStart) {
  const Settings s = parseSettings(Lines{"abc", "", "load=Y", sj("◎○") + "A", "", "Kaime=x"});
  EXPECT_EQ(s.left, 0);
  EXPECT_EQ(s.top, 0);
  EXPECT_EQ(s.kaime, BetDisplay::Standard);
  EXPECT_EQ(s.symbols, (Symbols{sj("◎"), sj("○"), "A ", sj("　"), sj("×"), sj("　")}));
  EXPECT_EQ(parseSettings(Lines{"0", "0", "load=Y", "", "", "Kaime=7"}).kaime,
            BetDisplay::Standard);
}

class SettingsFileWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("korvane_ini_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    app.folders.data = dir_;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string bytes() const {
    std::ifstream in(dir_ / "korvane.ini", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  fs::path dir_;
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
};

TEST_F(SettingsFileWrite, SixLinesThatReadBack) {
  app.settings.left = 300;
  app.settings.top = -4;
  app.settings.load = false;
  app.settings.symbols[4] = "A ";
  app.settings.shirushi = MarkingMode::Custom;
  app.settings.kaime = BetDisplay::OneOrTwoAxes;
  ASSERT_TRUE(writeSettingsFile(app));
  EXPECT_EQ(bytes(), std::string("300\r\n-4\r\nload=N\r\n\x81\x9d\x81\x9b\x81\xa3\x81\xa2"
                                 "A \x92\x8d\r\nShirushi=1\r\nKaime=2\r\n"));
  const Settings back = readSettingsFile(settingsFilePath(dir_));
  EXPECT_EQ(back.symbols, app.settings.symbols);
  EXPECT_EQ(back.top, -4);
  EXPECT_EQ(back.kaime, BetDisplay::OneOrTwoAxes);
}

TEST_F(SettingsFileWrite, AFailedWriteKeepsTheOldFileAndNamesIt) {
  ASSERT_TRUE(writeSettingsFile(app));
  const std::string before = bytes();
  app.settings.left = 999;
  writer.failAll = true;
  EXPECT_FALSE(writeSettingsFile(app));
  EXPECT_EQ(bytes(), before);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0][0].find("korvane.ini"), std::string::npos);
}

TEST(SettingsEdit, ApplyMakesEverySymbolTwoBytes) {
  Settings settings;
  settings.left = 40;
  SettingsChoice choice;
  choice.load = false;
  choice.symbols = {"ABC", "A", "", "A" + sj("◎"), sj("☆★"), sj("注")};
  choice.shirushi = MarkingMode::Custom;
  choice.kaime = BetDisplay::OneAxis;
  applySettings(settings, choice);
  EXPECT_EQ(settings.symbols, (Symbols{"AB", "A ", sj("　"), "A ", sj("☆"), sj("注")}));
  EXPECT_FALSE(settings.load);
  EXPECT_EQ(settings.left, 40);
  EXPECT_EQ(modeLabel(settings), sj("カスタマイズ"));
  settings.shirushi = MarkingMode::Standard;
  EXPECT_EQ(modeLabel(settings), sj("標準"));
}

TEST(SettingsEdit, ResetAsksFirstAndKeepsTheWindowPosition) {
  testing::ScriptedDialogs dialogs;
  Settings settings;
  settings.left = 10;
  settings.load = false;
  settings.symbols[0] = "AB";
  settings.kaime = BetDisplay::Box;

  EXPECT_FALSE(resetSettings(dialogs, settings));  // いいえ
  EXPECT_EQ(settings.symbols[0], "AB");
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0],
            std::make_pair(sj("設定を全て標準に戻します。"), sj("よろしいですか？")));

  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(resetSettings(dialogs, settings));
  EXPECT_TRUE(settings.load);
  EXPECT_EQ(settings.symbols, defaultSymbols());
  EXPECT_EQ(settings.kaime, BetDisplay::Standard);
  EXPECT_EQ(settings.left, 10);
}

TEST(WindowPosition, PulledBackOntoTheScreen) {
  const WindowSize window{640, 480}, screen{1024, 768};
  const WindowPosition far = correctWindowPosition({5000, 5000}, window, screen);
  EXPECT_EQ(far.left, 384);
  EXPECT_EQ(far.top, 288);
  const WindowPosition before = correctWindowPosition({-50, -50}, window, screen);
  EXPECT_EQ(before.left, 0);
  EXPECT_EQ(before.top, -4);
  const WindowPosition inside = correctWindowPosition({100, -3}, window, screen);
  EXPECT_EQ(inside.left, 100);
  EXPECT_EQ(inside.top, -3);
}

}  // namespace
}  // namespace korvane
