#include "core/flows/startup.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/app/folder_migration.hpp"
#include "core/app/settings_file.hpp"
#include "core/database/horse_fields.hpp"
#include "core/database/horse_store.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"
#include "generator/sample.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;

const fs::path kMain = u8"全競走馬.um0";

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           (std::string("korvane_start_") + info->name() + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    app.folders.data = dir_;
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const fs::path& name, const std::vector<std::string>& lines) {
    AtomicLineWriter real;
    ASSERT_TRUE(real.writeLines(dir_ / name, lines));
  }
  void touch(const fs::path& path) { std::ofstream(path) << "x"; }
  std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  bool sortedByName() const {
    std::vector<std::string> names;
    for (int n : app.store.order) names.emplace_back(app.store.line(n, 1).substr(0, 18));
    return std::is_sorted(names.begin(), names.end());
  }

  fs::path dir_;
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
};

TEST_F(Startup, FoldersOfOlderVersionsMoveIn) {
  touch(dir_ / "kikka.uma");
  touch(dir_ / "ARIMA.UMA");
  touch(dir_ / "mine.umc");
  touch(dir_ / "notes.txt");
  fs::create_directory(dir_ / "2008");
  touch(dir_ / "2008" / "derby.uma");
  fs::create_directory(dir_ / ".cache");

  const FolderSetup setup = prepareFolders(dir_);
  ASSERT_TRUE(setup.ok);
  EXPECT_EQ(setup.race, dir_ / "RaceFile");
  EXPECT_TRUE(fs::exists(dir_ / "RaceFile" / "kikka.uma"));
  EXPECT_TRUE(fs::exists(dir_ / "RaceFile" / "ARIMA.UMA"));
  EXPECT_TRUE(fs::exists(dir_ / "RaceFile" / "2008" / "derby.uma"));
  EXPECT_TRUE(fs::exists(dir_ / "CustomFile" / "mine.umc"));
  EXPECT_TRUE(fs::exists(dir_ / "notes.txt"));
  EXPECT_TRUE(fs::exists(dir_ / ".cache"));
  EXPECT_FALSE(fs::exists(dir_ / "kikka.uma"));

  // Once the folders stand, nothing moves any more.
  touch(dir_ / "later.uma");
  touch(dir_ / "later.umc");
  ASSERT_TRUE(prepareFolders(dir_).ok);
  EXPECT_TRUE(fs::exists(dir_ / "later.uma"));
  EXPECT_TRUE(fs::exists(dir_ / "later.umc"));
}

TEST_F(Startup, AnExistingCustomFolderIsNotBuriedInTheRaceFolder) {
  fs::create_directory(dir_ / "CustomFile");
  touch(dir_ / "CustomFile" / "mine.umc");
  ASSERT_TRUE(prepareFolders(dir_).ok);
  EXPECT_TRUE(fs::exists(dir_ / "CustomFile" / "mine.umc"));
  EXPECT_FALSE(fs::exists(dir_ / "RaceFile" / "CustomFile"));
}

TEST_F(Startup, AFolderThatCannotBeMadeStopsTheStart) {
  touch(dir_ / "RaceFile");  // a file where the folder should be
  touch(dir_ / "kikka.uma");
  const FolderSetup setup = prepareStart(app);
  EXPECT_FALSE(setup.ok);
  ASSERT_FALSE(setup.message.empty());
  EXPECT_NE(setup.message[0].find("RaceFile"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir_ / "kikka.uma"));
}

TEST_F(Startup, PrepareReadsTheSettingsAndPointsTheFolders) {
  write("korvane.ini", {"10", "20", "load=N"});
  ASSERT_TRUE(prepareStart(app).ok);
  EXPECT_EQ(app.folders.race, dir_ / "RaceFile");
  EXPECT_EQ(app.folders.custom, dir_ / "CustomFile");
  EXPECT_FALSE(app.settings.load);
}

TEST_F(Startup, LoadsTheAllHorsesSet) {
  write(kMain, gen::sampleSetLines());
  app.currentHorse = 5;
  app.custom.file = "old.umc";
  EXPECT_FALSE(isFirstRun(app));
  EXPECT_EQ(titleCaption(false), sj("起動しています　少しお待ち下さい"));
  const StartupView view = loadAtStartup(app);
  EXPECT_TRUE(view.newHorseEnabled);
  EXPECT_EQ(view.fileLabel, sj("全競走馬"));
  EXPECT_EQ(app.store.count, 80);
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(app.currentHorse, 0);
  EXPECT_EQ(app.custom.file, fs::path(u8"新カスタマイズ.umc"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Startup, FirstRunShowsTheSampleAndOffersToSaveIt) {
  write("smpuma.um0", gen::sampleSetLines());
  ASSERT_TRUE(isFirstRun(app));
  EXPECT_EQ(titleCaption(true), sj("初めての起動ため 設定をしています しばらくお待ちください"));
  const StartupView view = loadAtStartup(app);
  EXPECT_TRUE(view.newHorseEnabled);
  EXPECT_EQ(view.fileLabel, sj("全競走馬"));
  EXPECT_TRUE(app.editingAllHorses());
  EXPECT_EQ(app.store.count, 80);
  EXPECT_TRUE(app.store.modified);
  EXPECT_TRUE(sortedByName());

  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(closeProgram(app));
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0].first, sj("全競走馬ファイル"));
  EXPECT_EQ(dialogs.confirmations[0].second, sj("は変更されています。保存しますか？"));
  EXPECT_TRUE(fs::exists(dir_ / kMain));
  EXPECT_TRUE(fs::exists(dir_ / "korvane.ini"));
  EXPECT_FALSE(isFirstRun(app));
}

// The first save of the sample was killed after its commit, before the main file was in place:
// the start finishes it, so the saved horses load instead of the sample being offered again.
TEST_F(Startup, AnInterruptedFirstSaveIsFinishedBeforeTheFirstRunTest) {
  write("smpuma.um0", gen::sampleSetLines());
  loadAtStartup(app);
  writer.killAtCall = 5;  // remove, folder, two staged files: killed at the flush before the marker
  dialogs.confirmAnswers = {true};
  EXPECT_FALSE(closeProgram(app));
  writer.killAtCall = 0;
  EXPECT_FALSE(fs::exists(dir_ / kMain));
  ASSERT_TRUE(prepareStart(app).ok);
  EXPECT_TRUE(isFirstRun(app)) << "not committed: nothing of it stays";
  EXPECT_FALSE(fs::exists(dir_ / ".korvane-saving"));

  writer.calls = 0;
  writer.killAtCall = 7;  // the marker written, then killed at the first move
  dialogs.confirmAnswers = {true, true};
  closeProgram(app);
  writer.killAtCall = 0;
  EXPECT_FALSE(fs::exists(dir_ / kMain));
  ASSERT_TRUE(prepareStart(app).ok);
  EXPECT_FALSE(isFirstRun(app));
  loadAtStartup(app);
  EXPECT_EQ(app.store.count, 80);
  EXPECT_FALSE(app.store.modified);
}

TEST_F(Startup, FirstRunWithoutTheSampleStartsEmpty) {
  EXPECT_TRUE(loadAtStartup(app).newHorseEnabled);
  EXPECT_EQ(app.store.count, 0);
  EXPECT_TRUE(app.store.modified);
}

TEST_F(Startup, WithoutLoadAnEmptyNewRace) {
  write(kMain, gen::sampleSetLines());
  app.settings.load = false;
  EXPECT_FALSE(isFirstRun(app));
  const StartupView view = loadAtStartup(app);
  EXPECT_FALSE(view.newHorseEnabled);
  EXPECT_EQ(view.fileLabel, sj("新しいレース.uma"));
  EXPECT_EQ(app.editedFile, dir_ / u8"新しいレース.uma");
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(app.card.runnerCount, 0);
  EXPECT_EQ(app.store.pageLines(0), lineViews(emptyRaceHeader("KORVANE DATA 1998-2006")));
}

TEST_F(Startup, ADamagedAllHorsesFileIsNeitherLoadedNorOverwritten) {
  std::vector<std::string> lines = gen::sampleSetLines();
  lines.resize(200);  // cut inside the horse blocks
  write(kMain, lines);
  const std::string before = bytesOf(dir_ / kMain);

  const StartupView view = loadAtStartup(app);
  EXPECT_FALSE(view.newHorseEnabled);
  EXPECT_FALSE(app.editingAllHorses());
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(closeProgram(app));
  EXPECT_EQ(bytesOf(dir_ / kMain), before);
}

TEST_F(Startup, CloseWritesTheSettingsAfterTheSaveQuestion) {
  app.settings.left = 77;
  EXPECT_TRUE(closeProgram(app));  // nothing changed: no question
  EXPECT_TRUE(dialogs.confirmations.empty());
  EXPECT_EQ(readSettingsFile(dir_ / "korvane.ini").left, 77);

  app.store.modified = true;
  app.settings.left = 88;
  EXPECT_TRUE(closeProgram(app));  // いいえ: closes without saving
  EXPECT_FALSE(fs::exists(dir_ / kMain));
  EXPECT_EQ(readSettingsFile(dir_ / "korvane.ini").left, 88);
}

TEST_F(Startup, AFailedSaveLetsTheUserStay) {
  write("smpuma.um0", gen::sampleSetLines());
  loadAtStartup(app);
  writer.failName = kMain;
  dialogs.confirmAnswers = {true, false};  // save: はい; close without saving: いいえ
  EXPECT_FALSE(closeProgram(app));
  EXPECT_TRUE(app.store.modified);
  EXPECT_FALSE(fs::exists(dir_ / "korvane.ini"));
  ASSERT_EQ(dialogs.confirmations.size(), 2u);
  EXPECT_EQ(dialogs.confirmations[1].second, sj("保存せずに終了しますか？"));

  dialogs.confirmAnswers = {true, true};
  EXPECT_TRUE(closeProgram(app));
  EXPECT_TRUE(fs::exists(dir_ / "korvane.ini"));
  EXPECT_FALSE(fs::exists(dir_ / kMain));
}

}  // namespace
}  // namespace korvane
