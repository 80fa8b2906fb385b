#include "core/database/race_files.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "core/flows/race_files.hpp"
#include "core/text/encoding.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/dated_record.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "tests/support/unreadable_file.hpp"
#include "tests/support/store_lines.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;

using testing::datedRecord;

std::string horse(std::string_view utf8Name, int age = 4) {
  return identityLine(sj(utf8Name), age, sj("牡"));
}

// A race file as written by the program: header of an empty race, then the given blocks (each with
// a style line).
std::vector<std::string> raceFile(const std::vector<std::vector<std::string>>& records) {
  std::vector<std::string> lines = emptyRaceHeader("KORVANE DATA 1998-2009");
  lines[kHeaderLines - 1] = std::to_string(records.size());
  for (const auto& rec : records) {
    lines.insert(lines.end(), rec.begin(), rec.end());
    lines.push_back(sj("好"));
  }
  return lines;
}

// A store of n horses with distinct names, laid into the pages directly: a full database without
// 12000 insertions into the display order.
void fillStore(HorseStore& store, int n) {
  for (int i = 1; i <= n; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "HORSE%05d", i);
    store.order.push_back(appendBlock(store, datedRecord(identityLine(name, 3, sj("牝")), {"0801"})));
  }
}

std::string joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line;
  return all;
}

class RaceFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("korvane_race_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "data");
    fs::create_directories(dir_ / "race");
    fs::create_directories(dir_ / "other");
    app.folders.data = dir_ / "data";
    app.folders.race = dir_ / "race";
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path put(const fs::path& relative, const std::vector<std::string>& lines) {
    const fs::path file = dir_ / relative;
    EXPECT_TRUE(AtomicLineWriter().writeLines(file, lines));
    return file;
  }
  std::string bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path dir_;
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
};

// ---- レース保存 and レース読込 ----

using RaceSave = RaceFilesTest;

TEST_F(RaceSave, RunnersAreRenumberedToTheirBlocksAndReloadPointsAtThem) {
  // Horse i is called RUNNER + the i-th letter, so horse 12 sorts after horse 7.
  for (int i = 1; i <= 12; ++i) {
    const std::string name = "RUNNER" + std::string(1, static_cast<char>('A' + i));
    ASSERT_EQ(appendHorse(app.store, datedRecord(identityLine(name, 3, sj("牡")), {"0903"})), i);
  }
  app.store.setLine(12, runLine(1, RunField::Finish), "1");
  app.store.modified = false;
  ASSERT_TRUE(addRunner(app.card, 12));
  ASSERT_TRUE(addRunner(app.card, 3));
  ASSERT_TRUE(addRunner(app.card, 7));
  scratch(app.card, 2);
  app.card.winOdds[1] = 2.5;
  app.card.disregard[3][1] = app.card.disregard[3][3] = app.card.disregard[3][5] = true;

  dialogs.fileAnswers.push_back(fs::path(u8"中山記念"));  // typed without the extension
  ASSERT_TRUE(saveRace(app));

  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  const FileDialogRequest& request = dialogs.fileRequests[0];
  EXPECT_EQ(request.title, sj("レースファイル保存（ファイル名の「.uma」は省略できます）"));
  EXPECT_EQ(request.filter, sj("コルバンレースファイル(*.uma)|*.uma"));
  EXPECT_EQ(request.defaultExtension, "uma");
  EXPECT_EQ(request.folder, dir_ / "race");
  EXPECT_EQ(request.proposedName, fs::path(u8"新しいレース.uma"));
  EXPECT_EQ(dialogs.waits, std::vector<std::string>{sj(" レースデータを保存しています")});
  EXPECT_FALSE(dialogs.waitShown);

  const fs::path saved = dir_ / "race" / u8"中山記念.uma";
  const auto lines = readLines(saved).lines;
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 61u + 2 * 42);
  EXPECT_EQ((*lines)[0], "KORVANE DATA 1998-2009");
  EXPECT_EQ((*lines)[6], "1");
  EXPECT_EQ((*lines)[7], "0");
  EXPECT_EQ((*lines)[8], "2");
  for (int L = 10; L <= 24; ++L) EXPECT_EQ((*lines)[L - 1], "0") << "line " << L;
  EXPECT_EQ((*lines)[26], "135");
  EXPECT_EQ((*lines)[42], "2.5,3");
  EXPECT_EQ((*lines)[43], "9999.0,3");
  EXPECT_EQ((*lines)[60], "2");
  const BlockLines first = app.store.block(12), second = app.store.block(7);
  const std::span<const std::string_view> firstLines = first, secondLines = second;
  EXPECT_TRUE(std::equal(firstLines.begin(), firstLines.end(), lines->begin() + 61));
  EXPECT_TRUE(std::equal(secondLines.begin(), secondLines.end(), lines->begin() + 61 + 42));

  // Saving a race changes neither what is edited nor its state.
  EXPECT_EQ(app.editedFile, allHorsesFileName());
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(app.store.count, 12);

  app.currentHorse = 5;
  app.selectedSlot = 2;
  dialogs.fileAnswers.push_back(saved);
  ASSERT_TRUE(loadRace(app));
  EXPECT_EQ(dialogs.fileRequests[1].title, sj("レースファイル読込"));
  EXPECT_EQ(dialogs.fileRequests[1].proposedName, fs::path());
  EXPECT_EQ(dialogs.waits.back(), sj("    データを読み込んでいます"));
  EXPECT_EQ(app.store.count, 2);
  EXPECT_EQ(app.card.runnerCount, 3);
  EXPECT_EQ(app.card.runner[1], 1);
  EXPECT_EQ(app.card.runner[2], 0);
  EXPECT_EQ(app.card.runner[3], 2);
  EXPECT_TRUE(app.card.anyDisregard);
  EXPECT_EQ(runFinish(app.store, 1, 1), 1);
  EXPECT_EQ(app.store.line(2, 1).substr(0, 7), "RUNNERH");
  EXPECT_EQ(app.editedFile, saved);
  EXPECT_EQ(app.fileLabel(), sj("中山記念.uma"));
  EXPECT_EQ(app.currentHorse, 0);
  EXPECT_EQ(app.selectedSlot, 0);
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(app.store.order, (std::vector<int>{2, 1}));  // sorted by name, not by file position

  // While the race file is edited, its name is offered for the next race save.
  dialogs.fileAnswers.push_back(std::nullopt);
  EXPECT_FALSE(saveRace(app));
  EXPECT_EQ(dialogs.fileRequests.back().proposedName, fs::path(u8"中山記念.uma"));
}

TEST_F(RaceSave, OnlyTheRaceExtensionIsWritten) {
  ASSERT_TRUE(addRunner(app.card, appendHorse(app.store, datedRecord(horse("アイ"), {"0903"}))));
  dialogs.fileAnswers.push_back(dir_ / "race" / "race.txt");
  EXPECT_FALSE(saveRace(app));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            (std::vector<std::string>{sj("拡張子が「.uma」ではありません。"),
                                      sj("拡張子を「.uma」にするか、省略して下さい。")}));
  EXPECT_EQ(writer.writes, 0);
  EXPECT_TRUE(dialogs.waits.empty());
  EXPECT_TRUE(fs::is_empty(dir_ / "race"));

  // A path typed into another folder is saved there, and that folder is remembered.
  dialogs.fileAnswers.push_back(dir_ / "other" / "race");
  EXPECT_TRUE(saveRace(app));
  EXPECT_TRUE(fs::exists(dir_ / "other" / "race.uma"));
  EXPECT_EQ(app.folders.race, dir_ / "other");
}

TEST_F(RaceSave, AnExistingFileIsOverwrittenOnlyWhenConfirmed) {
  ASSERT_TRUE(addRunner(app.card, appendHorse(app.store, datedRecord(horse("アイ"), {"0903"}))));
  const fs::path old = put("race/keep.uma", {"old race"});

  // The dialog saw "keep", not keep.uma, so the flow asks itself.
  dialogs.fileAnswers.push_back(fs::path("keep"));
  dialogs.confirmAnswers.push_back(false);
  EXPECT_FALSE(saveRace(app));
  EXPECT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(bytes(old), "old race\r\n");

  dialogs.fileAnswers.push_back(fs::path("keep"));
  dialogs.confirmAnswers.push_back(true);
  EXPECT_TRUE(saveRace(app));
  EXPECT_EQ(readLines(old).lines->size(), 61u + 42);
}

TEST_F(RaceSave, AFailedWriteKeepsTheOldFileAndChangesNothing) {
  ASSERT_TRUE(addRunner(app.card, appendHorse(app.store, datedRecord(horse("アイ"), {"0903"}))));
  const fs::path old = put("other/full.uma", {"old race"});
  writer.failAll = true;

  dialogs.fileAnswers.push_back(old);
  EXPECT_FALSE(saveRace(app));
  EXPECT_EQ(bytes(old), "old race\r\n");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(joined(dialogs.messages[0]).find("full.uma"), std::string::npos);
  EXPECT_EQ(app.folders.race, dir_ / "race");
  EXPECT_TRUE(app.store.modified);
  EXPECT_FALSE(dialogs.waitShown);
}

using RaceLoad = RaceFilesTest;

TEST_F(RaceLoad, OldHeadersReadWithTheirDefaults) {
  std::vector<std::string> lines = raceFile({datedRecord(horse("アイ"), {}), datedRecord(horse("ウエ"), {})});
  lines[1] = "18";  // hundreds of metres
  lines[5] = "8";   // the count alone, no development
  lines[6] = "1";
  lines[7] = "2";
  dialogs.fileAnswers.push_back(put("race/old.uma", lines));
  ASSERT_TRUE(loadRace(app));
  EXPECT_EQ(app.card.distance, 1800);
  EXPECT_EQ(app.card.runnerCount, 8);
  // 東京, turf, good going at 1800 m: the standard development is 展開不問.
  EXPECT_EQ(app.card.development, sj("展開不問"));
}

TEST_F(RaceLoad, AChangedStoreIsOfferedForSavingFirst) {
  appendHorse(app.store, datedRecord(horse("アイ"), {}));
  ASSERT_TRUE(app.store.modified);
  dialogs.confirmAnswers.push_back(false);
  dialogs.fileAnswers.push_back(put("race/r.uma", raceFile({})));
  ASSERT_TRUE(loadRace(app));
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0].second, sj("は変更されています。保存しますか？"));
  EXPECT_EQ(app.store.count, 0);

  // The user wants the changes kept but the disk is full: the race file is not loaded over them.
  appendHorse(app.store, datedRecord(horse("ウエ"), {}));
  writer.failAll = true;
  dialogs.confirmAnswers.push_back(true);
  dialogs.fileAnswers.push_back(dir_ / "race" / "r.uma");
  EXPECT_FALSE(loadRace(app));
  EXPECT_EQ(app.store.count, 1);
  EXPECT_TRUE(app.store.modified);
  EXPECT_EQ(dialogs.fileRequests.size(), 1u);
}

TEST_F(RaceLoad, AMissingOrBrokenFileLeavesEverythingAsItWas) {
  const int horse1 = appendHorse(app.store, datedRecord(horse("アイ"), {"0903"}));
  ASSERT_TRUE(addRunner(app.card, horse1));
  app.store.modified = false;
  const HorseStore storeBefore = app.store;

  const auto expectUnchanged = [&] {
    EXPECT_EQ(storeLines(app.store), storeLines(storeBefore));
    EXPECT_EQ(app.store.count, 1);
    EXPECT_EQ(app.card.runnerCount, 1);
    EXPECT_EQ(app.card.runner[1], horse1);
    EXPECT_EQ(app.editedFile, allHorsesFileName());
    EXPECT_EQ(app.folders.race, dir_ / "race");
    EXPECT_FALSE(dialogs.waitShown);
  };

  dialogs.fileAnswers.push_back(std::nullopt);
  EXPECT_FALSE(loadRace(app));
  expectUnchanged();

  dialogs.fileAnswers.push_back(dir_ / "other" / "nothing.uma");
  EXPECT_FALSE(loadRace(app));
  EXPECT_EQ(dialogs.messages.back(),
            std::vector<std::string>{sj("指定されたファイル名は、存在しません。")});
  expectUnchanged();

  // A file that stands there but cannot be read says why.
  const testing::UnreadableFile noread = testing::makeUnreadableFile(dir_ / "other" / "noread.uma");
  fs::create_directory(dir_ / "other" / "folder.uma");
  for (const auto& [file, reason] :
       {std::pair{noread.path, noread.reason},
        std::pair{dir_ / "other" / "folder.uma", sj("ファイルではなく、フォルダです。")}}) {
    dialogs.fileAnswers.push_back(file);
    EXPECT_FALSE(loadRace(app));
    EXPECT_EQ(dialogs.messages.back(),
              (std::vector<std::string>{sj("「") + file.filename().string() +
                                            sj("」を読み込めませんでした。"),
                                        reason, sj("データは読み込む前のままです。")}));
    expectUnchanged();
  }

  std::vector<std::string> shortOfBlocks = raceFile({datedRecord(horse("ウエ"), {})});
  shortOfBlocks[kHeaderLines - 1] = "2";
  dialogs.fileAnswers.push_back(put("other/race_short_of_blocks.uma", shortOfBlocks));
  EXPECT_FALSE(loadRace(app));
  EXPECT_NE(joined(dialogs.messages.back()).find("race_short_of_blocks.uma"), std::string::npos);
  expectUnchanged();
}

// ---- 追加読込 ----

using RaceAddLoad = RaceFilesTest;

TEST_F(RaceAddLoad, TheNewerFormOfAKnownHorseWins) {
  struct Case {
    const char* why;
    std::vector<std::string> stored, file;
    bool replaced;
  };
  const std::vector<Case> cases{
      {"first pair differs, same year, file later", {"0903", "0812"}, {"0905", "0903"}, true},
      {"equal first pair skipped, stored later", {"0905", "0903"}, {"0905", "0812"}, false},
      {"98 against 01 is the next century", {"9812"}, {"0103"}, true},
      {"01 against 98 is the last century", {"0103"}, {"9812"}, false},
      {"a stored horse without runs", {}, {"0501"}, true},
      {"a file block without runs", {"0905"}, {}, false},
      {"the file has one run more", {"0905", "0903"}, {"0905", "0903", "0811"}, true},
      {"the same years, file earlier month", {"0906"}, {"0905"}, false},
      {"a later year within 50", {"0812"}, {"5701"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    AppState state(dialogs, clock, writer);
    state.folders = app.folders;
    appendHorse(state.store, datedRecord(horse("アイ"), {}));
    const int known = appendHorse(state.store, datedRecord(horse("サクラ  ローズ", 4), c.stored));
    state.card.runnerCount = 1;
    state.card.runner[1] = known;
    state.store.modified = false;
    state.currentHorse = known;
    state.selectedSlot = 1;
    // The file writes the name with a full-width space: the same horse.
    const std::string fileIdentity = fitBytes(sj("サクラ　ローズ"), 18) + " 5" + sj("牡");
    dialogs.fileAnswers.push_back(put("other/add.uma", raceFile({datedRecord(fileIdentity, c.file)})));

    ASSERT_TRUE(addLoadRace(state));
    EXPECT_EQ(state.store.count, 2);
    EXPECT_EQ(horseAge(state.store, known), c.replaced ? 5 : 4);
    EXPECT_EQ(state.store.line(known, 1), c.replaced ? fileIdentity : horse("サクラ  ローズ", 4));
    const std::vector<std::string>& kept = c.replaced ? c.file : c.stored;
    EXPECT_EQ(runSurface(state.store, known, 1), kept.empty() ? sj("無") : sj("芝"));
    EXPECT_TRUE(state.store.modified);
    EXPECT_EQ(state.currentHorse, 0);
    EXPECT_EQ(state.selectedSlot, 0);
    EXPECT_EQ(state.folders.race, dir_ / "other");
  }
}

TEST_F(RaceAddLoad, UnknownHorsesJoinTheStoreInNameOrder) {
  appendHorse(app.store, datedRecord(horse("ア"), {"0903"}));
  appendHorse(app.store, datedRecord(horse("ウ"), {"0903"}));
  ASSERT_TRUE(addRunner(app.card, 2));
  const TRaceCard cardBefore = app.card;
  // The new horse's style line in the file is wrong; the store computes its own.
  std::vector<std::string> lines = raceFile({datedRecord(horse("イ"), {"0905"})});
  lines.back() = sj("追");
  dialogs.fileAnswers.push_back(put("race/new.uma", lines));

  ASSERT_TRUE(addLoadRace(app));
  const FileDialogRequest& request = dialogs.fileRequests.back();
  EXPECT_EQ(request.title, sj("レースファイル追加読込"));
  EXPECT_EQ(request.folder, dir_ / "race");
  EXPECT_EQ(request.proposedName, fs::path());
  EXPECT_EQ(dialogs.waits, std::vector<std::string>{sj("    データを読み込んでいます")});
  EXPECT_EQ(app.store.count, 3);
  EXPECT_EQ(app.store.headerLine(kHeaderLines), "3");
  EXPECT_EQ(app.store.order, (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(horseStyle(app.store, 3), sj("先"));
  EXPECT_EQ(app.card.runner, cardBefore.runner);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RaceAddLoad, TheHorseLimitIsTestedBeforeTheDialogAndForEveryNewHorse) {
  const std::vector<std::string> limit{sj("登録馬が12000頭を越えています。"),
                                       sj("古い馬を削除してからお願いします。")};
  fillStore(app.store, kMaxHorses);
  EXPECT_FALSE(addLoadRace(app));
  EXPECT_EQ(dialogs.messages, std::vector<std::vector<std::string>>{limit});
  EXPECT_TRUE(dialogs.fileRequests.empty());

  AppState nearlyFull(dialogs, clock, writer);
  fillStore(nearlyFull.store, kMaxHorses - 1);
  dialogs.messages.clear();
  // Two new horses for one free place; the known horse behind them still gets its newer form.
  dialogs.fileAnswers.push_back(put(
      "race/many.uma", raceFile({datedRecord(horse("NEW1"), {"0903"}), datedRecord(horse("NEW2"), {"0903"}),
                                 datedRecord(identityLine("HORSE00010", 6, sj("牝")), {"0902"})})));
  ASSERT_TRUE(addLoadRace(nearlyFull));
  EXPECT_EQ(nearlyFull.store.count, kMaxHorses);
  EXPECT_EQ(nearlyFull.store.line(kMaxHorses, 1), horse("NEW1"));
  EXPECT_EQ(horseAge(nearlyFull.store, 10), 6);
  EXPECT_EQ(nearlyFull.store.headerLine(kHeaderLines), "12000");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(joined(dialogs.messages[0]).find("1" + sj("頭は読み込めませんでした。")),
            std::string::npos);
}

TEST_F(RaceAddLoad, AMalformedFileAddsNothing) {
  appendHorse(app.store, datedRecord(horse("アイ"), {"0801"}));
  app.store.modified = false;
  const HorseStore before = app.store;
  const std::vector<std::string> good =
      raceFile({datedRecord(horse("アイ"), {"0903", "0811"}), datedRecord(horse("ウエ"), {"0903"}),
                datedRecord(horse("オカ"), {})});

  struct Case {
    const char* name;
    int line;  // the line named in the message
    std::function<void(std::vector<std::string>&)> spoil;
  };
  const std::vector<Case> cases{
      {"count_not_a_number.uma", 61, [](auto& l) { l[60] = "3x"; }},
      {"race_short_of_blocks.uma", 61 + 3 * 42 + 1, [](auto& l) { l[60] = "4"; }},
      // Block 2's first run: its finish (block line 9) and last 3F (block line 7).
      {"finish_not_a_number.uma", 61 + 42 + 9, [](auto& l) { l[61 + 42 + 9 - 1] = sj("２着"); }},
      {"last3f_not_a_number.uma", 61 + 42 + 7, [](auto& l) { l[61 + 42 + 7 - 1] = ""; }},
      // Block 1's second run: the 3rd corner in bytes 3-4 of block line 14.
      {"corner_not_a_number.uma", 61 + 14, [](auto& l) { l[61 + 14 - 1] = " 3-3 2"; }},
      {"header_cut_short.uma", 0, [](auto& l) { l.resize(40); }},
      {"name_not_shift_jis.uma", 61 + 42 + 1, [](auto& l) { l[61 + 42] = "\xFF" + l[61 + 42]; }},
      // 85 40 lies in the double-byte ranges but is no character: nothing could show it.
      {"name_unassigned_code.uma", 61 + 42 + 1,
       [](auto& l) { l[61 + 42].replace(0, 2, "\x85\x40"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = good;
    c.spoil(lines);
    dialogs.fileAnswers.push_back(put(fs::path("other") / c.name, lines));
    dialogs.messages.clear();
    EXPECT_FALSE(addLoadRace(app));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string shown = joined(dialogs.messages[0]);
    EXPECT_NE(shown.find(c.name), std::string::npos);
    if (c.line > 0) {
      EXPECT_NE(shown.find(std::to_string(c.line) + sj("行目")), std::string::npos);
    }
    EXPECT_EQ(storeLines(app.store), storeLines(before));
    EXPECT_EQ(app.store.count, 1);
    EXPECT_FALSE(app.store.modified);
    EXPECT_EQ(app.folders.race, dir_ / "race");
    EXPECT_FALSE(dialogs.waitShown);
  }

  // Spoiled fields of an empty run are never read, so they do not make the file malformed.
  std::vector<std::string> emptyRunNoise = good;
  emptyRunNoise[61 + 42 * 2 + runLine(2, RunField::Finish) - 1] = "--";
  dialogs.fileAnswers.push_back(put("other/noise.uma", emptyRunNoise));
  EXPECT_TRUE(addLoadRace(app));
  EXPECT_EQ(app.store.count, 3);

  dialogs.fileAnswers.push_back(dir_ / "other" / "absent.uma");
  EXPECT_FALSE(addLoadRace(app));
  EXPECT_EQ(dialogs.messages.back(),
            std::vector<std::string>{sj("指定されたファイル名は、存在しません。")});
}

// What a file dialog can hand over besides a race file is refused at once, naming it and saying
// why: nothing can hang the program or fill its memory.
TEST_F(RaceAddLoad, DevicesPipesLinkLoopsAndHugeFilesAreRefusedAtOnce) {
  appendHorse(app.store, datedRecord(horse("アイ"), {"0801"}));
  const HorseStore before = app.store;
  const fs::path other = dir_ / "other";
  fs::create_symlink("/dev/zero", other / "zero.uma");
  ASSERT_EQ(::mkfifo((other / "pipe.uma").c_str(), 0600), 0);
  fs::create_symlink(other / "loop_b.uma", other / "loop_a.uma");
  fs::create_symlink(other / "loop_a.uma", other / "loop_b.uma");
  { std::ofstream(other / "huge.uma", std::ios::binary) << "x"; }
  fs::resize_file(other / "huge.uma", 600u << 20);

  const testing::UnreadableFile noread = testing::makeUnreadableFile(other / "noread.uma");
  fs::create_directory(other / "folder.uma");

  const std::string notAFile = sj("普通のファイルではありません（デバイス、パイプなど）。");
  for (const auto& [name, reason] :
       {std::pair<std::string, std::string>{"zero.uma", notAFile},
        {"pipe.uma", notAFile},
        {"loop_a.uma", sj("リンクが輪になっていて、ファイルにたどり着けません。")},
        {"huge.uma", sj("ファイルが大きすぎます。コルバンのファイルではありません。")},
        {"folder.uma", sj("ファイルではなく、フォルダです。")},
        {"noread.uma", noread.reason}}) {
    SCOPED_TRACE(name);
    const auto start = std::chrono::steady_clock::now();
    dialogs.fileAnswers.push_back(other / name);
    dialogs.messages.clear();
    EXPECT_FALSE(addLoadRace(app));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    ASSERT_EQ(dialogs.messages[0].size(), 3u);
    EXPECT_EQ(dialogs.messages[0][0], sj("「") + name + sj("」を読み込めませんでした。"));
    EXPECT_EQ(dialogs.messages[0][1], reason);
    EXPECT_EQ(storeLines(app.store), storeLines(before));
  }
}

// A name written one byte too long by another program ends in half a character in its 18-byte
// field; the character becomes blanks, so every page can show the name.
TEST_F(RaceAddLoad, ANameCutInHalfACharacterIsRepaired) {
  // A half-width kana and nine full-width letters: 19 bytes, the ninth letter cut at byte 18.
  const std::string longName = sj("ｱアイウエオカキクケ");
  std::vector<std::string> block = datedRecord(longName + " 4" + sj("牡"), {"0903"});
  dialogs.fileAnswers.push_back(put("other/name_split_double_byte.uma", raceFile({block})));
  ASSERT_TRUE(addLoadRace(app));
  ASSERT_EQ(app.store.count, 1);
  EXPECT_EQ(app.store.line(1, 1).substr(0, 19), sj("ｱアイウエオカキク") + "  ");
  EXPECT_TRUE(cp932ToUtf8(horseName(app.store, 1)).ok);
}

}  // namespace
}  // namespace korvane
