#include "app/settings_file.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/app_state.hpp"
#include "app/settings_edit.hpp"
#include "app/window_position.hpp"
#include "support/scripted_dialogs.hpp"
#include "text/sjis.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

std::array<std::string, 6> symbolsOf(const char* a, const char* b, const char* c, const char* d,
                                     const char* e, const char* f) {
  return {sj(a), sj(b), sj(c), sj(d), sj(e), sj(f)};
}

TEST(SettingsFile, OlderAndShortFilesKeepTheDefaults) {
  const Settings none = parseSettings(Lines{});
  EXPECT_EQ(none.left, 0);
  EXPECT_EQ(none.top, 0);
  EXPECT_TRUE(none.load);
  EXPECT_EQ(none.symbols, defaultSymbols());
  EXPECT_EQ(none.kaime, 1);

  // The first versions kept only the window position.
  const Settings position = parseSettings(Lines{"120", "-4"});
  EXPECT_EQ(position.left, 120);
  EXPECT_EQ(position.top, -4);
  EXPECT_TRUE(position.load);
  EXPECT_EQ(position.symbols, defaultSymbols());

  EXPECT_EQ(readSettingsFile("/nonexistent/korvane.ini").symbols, defaultSymbols());
}

TEST(SettingsFile, FiveSymbolFilesGainTheSecondRenka) {
  const Settings five = parseSettings(Lines{"0", "0", "load=Y", sj("◎○▲△注")});
  EXPECT_EQ(five.symbols, symbolsOf("◎", "○", "▲", "△", "×", "注"));

  const Settings six = parseSettings(Lines{"0", "0", "load=Y", sj("★☆◆◇") + "A " + sj("□")});
  EXPECT_EQ(six.symbols, symbolsOf("★", "☆", "◆", "◇", "A ", "□"));
}

TEST(SettingsFile, LoadShirushiAndKaimeLines) {
  const Settings s =
      parseSettings(Lines{"0", "0", "load=N", sj("◎○▲△×注"), "Shirushi=1", "Kaime=3"});
  EXPECT_FALSE(s.load);
  EXPECT_EQ(s.shirushi, 0) << "custom marking is chosen anew after every start";
  EXPECT_EQ(s.kaime, 3);

  EXPECT_FALSE(parseSettings(Lines{"0", "0", "load=y"}).load);
  EXPECT_EQ(parseSettings(Lines{"0", "0", "load=Y", sj("◎○▲△×注"), "", "Kaime=0"}).kaime, 0);
}

TEST(SettingsFile, DamagedNumbersStartWithDefaultsInsteadOfFailing) {
  const Settings s =
      parseSettings(Lines{"abc", "", "load=Y", sj("◎○▲△×注"), "Shirushi=0", "Kaime=x"});
  EXPECT_EQ(s.left, 0);
  EXPECT_EQ(s.top, 0);
  EXPECT_EQ(s.kaime, 1);
  EXPECT_EQ(parseSettings(Lines{"0", "0", "load=Y", "", "", "Kaime=7"}).kaime, 1);
  EXPECT_EQ(parseSettings(Lines{"0", "0", "load=Y", "", "", "Kaime"}).kaime, 1);
  // A line 4 cut short still gives two-byte symbols.
  EXPECT_EQ(parseSettings(Lines{"0", "0", "load=Y", sj("◎○") + "A"}).symbols,
            symbolsOf("◎", "○", "A ", "　", "×", "　"));
}

class SettingsFileWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           (std::string("korvane_ini_") + info->name() + "_" + std::to_string(::getpid()));
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

TEST_F(SettingsFileWrite, SixLinesInShiftJisWithCrLf) {
  app.settings.left = 300;
  app.settings.top = -4;
  app.settings.load = false;
  app.settings.symbols[4] = "A ";
  app.settings.shirushi = 1;
  app.settings.kaime = 2;
  ASSERT_TRUE(writeSettingsFile(app));
  EXPECT_EQ(bytes(), "300\r\n-4\r\nload=N\r\n\x81\x9d\x81\x9b\x81\xa3\x81\xa2" + std::string("A ") +
                         "\x92\x8d\r\nShirushi=1\r\nKaime=2\r\n");

  const Settings back = readSettingsFile(settingsFilePath(dir_));
  EXPECT_EQ(back.left, 300);
  EXPECT_EQ(back.top, -4);
  EXPECT_FALSE(back.load);
  EXPECT_EQ(back.symbols, app.settings.symbols);
  EXPECT_EQ(back.kaime, 2);
}

TEST_F(SettingsFileWrite, AFailedWriteKeepsTheOldFileAndSaysWhich) {
  ASSERT_TRUE(writeSettingsFile(app));
  const std::string before = bytes();
  app.settings.left = 999;
  writer.failAll = true;
  EXPECT_FALSE(writeSettingsFile(app));
  EXPECT_EQ(bytes(), before);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0][0].find("korvane.ini"), std::string::npos);
}

TEST(SettingsEdit, SymbolsAreTwoBytesWithoutSplittingACharacter) {
  EXPECT_EQ(normaliseSymbol("ABC"), "AB");
  EXPECT_EQ(normaliseSymbol("A"), "A ");
  EXPECT_EQ(normaliseSymbol(""), sj("　"));
  EXPECT_EQ(normaliseSymbol(sj("☆★")), sj("☆"));
  EXPECT_EQ(normaliseSymbol("A" + sj("◎")), "A ");
}

TEST(SettingsEdit, ApplyStoresTheChoiceAndNamesTheMode) {
  Settings settings;
  settings.left = 40;
  SettingsChoice choice;
  choice.load = false;
  choice.symbols = {sj("◎"), "ABC", "A", "", sj("×"), sj("注")};
  choice.shirushi = 1;
  choice.kaime = 3;
  applySettings(settings, choice);
  EXPECT_FALSE(settings.load);
  EXPECT_EQ(settings.symbols,
            (std::array<std::string, 6>{sj("◎"), "AB", "A ", sj("　"), sj("×"), sj("注")}));
  EXPECT_EQ(settings.kaime, 3);
  EXPECT_EQ(settings.left, 40);
  EXPECT_EQ(modeLabel(settings), sj("カスタマイズ"));
  settings.shirushi = 0;
  EXPECT_EQ(modeLabel(settings), sj("標準"));
}

TEST(SettingsEdit, ResetAsksFirstAndKeepsTheWindowPosition) {
  testing::ScriptedDialogs dialogs;
  Settings settings;
  settings.left = 10;
  settings.top = 20;
  settings.load = false;
  settings.symbols[0] = "AB";
  settings.shirushi = 1;
  settings.kaime = 0;
  const Settings changed = settings;

  EXPECT_FALSE(resetSettings(dialogs, settings));  // いいえ
  EXPECT_EQ(settings.symbols, changed.symbols);
  EXPECT_FALSE(settings.load);
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0].first, sj("設定を全て標準に戻します。"));
  EXPECT_EQ(dialogs.confirmations[0].second, sj("よろしいですか？"));

  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(resetSettings(dialogs, settings));
  EXPECT_TRUE(settings.load);
  EXPECT_EQ(settings.symbols, defaultSymbols());
  EXPECT_EQ(settings.shirushi, 0);
  EXPECT_EQ(settings.kaime, 1);
  EXPECT_EQ(settings.left, 10);
  EXPECT_EQ(settings.top, 20);
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

  // A window larger than the screen keeps its title bar reachable.
  const WindowPosition large = correctWindowPosition({0, 0}, {1200, 900}, screen);
  EXPECT_EQ(large.left, 0);
  EXPECT_EQ(large.top, -4);
}

}  // namespace
}  // namespace korvane
