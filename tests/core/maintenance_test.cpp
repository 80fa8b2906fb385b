#include "core/flows/maintenance.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/flows/race_files.hpp"
#include "core/database/store_edit.hpp"
#include "core/database/store_files.hpp"
#include "core/database/store_maintenance.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/dated_record.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "tests/support/store_lines.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using testing::datedRecord;

TEST(OldHorseRule, CutOffYearAndTheFiftyYearWindow) {
  // March 2009, not raced for one year: March 2008 is a full year ago, April 2008 is not.
  EXPECT_TRUE(lastRanLongAgo("0803", 2009, 3, 1));
  EXPECT_FALSE(lastRanLongAgo("0804", 2009, 3, 1));
  EXPECT_TRUE(lastRanLongAgo("0712", 2009, 3, 1));
  EXPECT_FALSE(lastRanLongAgo("0902", 2009, 3, 1));

  // Three years: the cut-off year is 06; 99 lies more than 50 above it, in the last century.
  EXPECT_EQ(cutOffYear(2009, 3), 6);
  EXPECT_TRUE(lastRanLongAgo("9912", 2009, 3, 3));
  EXPECT_TRUE(lastRanLongAgo("5701", 2009, 3, 3));
  EXPECT_FALSE(lastRanLongAgo("5612", 2009, 3, 3));  // 2056 is not yet run
  EXPECT_FALSE(lastRanLongAgo("0000", 2009, 3, 3));

  // January 2001 with three years wraps below zero: 1 - 3 + 100.
  EXPECT_EQ(cutOffYear(2001, 3), 98);
  EXPECT_TRUE(lastRanLongAgo("9801", 2001, 1, 3));
  EXPECT_FALSE(lastRanLongAgo("9802", 2001, 1, 3));
  EXPECT_FALSE(lastRanLongAgo("0012", 2001, 1, 3));
}

class Maintenance : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("korvane_maint_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "race");
    app.folders.data = dir_;
    app.folders.race = dir_ / "race";
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Horse i (1-based) is HORSE00i, last run in `month` ("" for a horse without any run).
  int add(const std::string& month, int age = 4) {
    char name[24];
    std::snprintf(name, sizeof name, "HORSE%05d", app.store.count + 1);
    const std::vector<std::string> months =
        month.empty() ? std::vector<std::string>{} : std::vector<std::string>{month};
    return appendBlock(app.store, datedRecord(identityLine(name, age, sj("牡")), months));
  }
  void finish() {
    sortOrderByName(app.store);
    app.store.modified = false;
  }
  std::vector<std::string> namesOf(const HorseStore& store) {
    std::vector<std::string> names;
    for (int n = 1; n <= store.count; ++n) names.push_back(horseName(store, n));
    return names;
  }

  fs::path dir_;
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock{{2009, 3, 15}};
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
};

TEST_F(Maintenance, AgesMoveByOneWithinOneAndNinetyNine) {
  for (int age : {3, 9, 99, 1, 10}) add("0901", age);
  finish();

  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(changeAges(app, AgeStep::Older));
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("全ての馬の歳をひとつ増やします。"), sj("よろしいですか？")));
  EXPECT_EQ(dialogs.waits, std::vector<std::string>{sj("   競走馬の歳を増やしています")});
  EXPECT_FALSE(dialogs.waitShown);
  EXPECT_TRUE(app.store.modified);
  // Only bytes 19-20 change: " 9" becomes "10" without its blank.
  EXPECT_EQ(app.store.line(1, 1), "HORSE00001         4" + sj("牡"));
  EXPECT_EQ(app.store.line(2, 1), "HORSE00002        10" + sj("牡"));
  EXPECT_EQ(horseAge(app.store, 3), 99);
  EXPECT_EQ(horseAge(app.store, 4), 2);

  dialogs.confirmAnswers = {true, true};
  EXPECT_TRUE(changeAges(app, AgeStep::Younger));
  EXPECT_TRUE(changeAges(app, AgeStep::Younger));
  EXPECT_EQ(dialogs.confirmations.back().first, sj("全ての馬の歳をひとつ減らします。"));
  EXPECT_EQ(dialogs.waits.back(), sj("   競走馬の歳を減らしています"));
  EXPECT_EQ(app.store.line(2, 1), "HORSE00002         8" + sj("牡"));
  EXPECT_EQ(horseAge(app.store, 3), 97);
  EXPECT_EQ(horseAge(app.store, 4), 1);

  // いいえ changes nothing.
  app.store.modified = false;
  const auto before = storeLines(app.store);
  EXPECT_FALSE(changeAges(app, AgeStep::Older));
  EXPECT_EQ(storeLines(app.store), before);
  EXPECT_FALSE(app.store.modified);
}

TEST_F(Maintenance, HorseCount) {
  showHorseCount(app);
  for (int i = 0; i < 12; ++i) add("0901");
  showHorseCount(app);
  EXPECT_EQ(dialogs.messages,
            (std::vector<std::vector<std::string>>{{sj("現在の登録馬数は、0頭です。")},
                                                   {sj("現在の登録馬数は、12頭です。")}}));
}

TEST_F(Maintenance, NothingHappensUntilTheQuestionsAreAnswered) {
  EXPECT_FALSE(moveOldHorses(app, 3));
  EXPECT_EQ(dialogs.messages.back(), std::vector<std::string>{sj("登録馬が１頭もいません。")});
  EXPECT_TRUE(dialogs.confirmations.empty());

  add("0001");
  finish();
  EXPECT_FALSE(moveOldHorses(app, 2));  // いいえ
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("ここ２年間、レースに"), sj("出走していない馬を移動します。")));
  EXPECT_TRUE(dialogs.fileRequests.empty());

  dialogs.confirmAnswers = {true};
  EXPECT_FALSE(moveOldHorses(app, 1));  // the dialog is cancelled
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].folder, app.folders.race);
  EXPECT_EQ(dialogs.fileRequests[0].proposedName, fs::path(u8"古い馬0903.uma"));

  dialogs.confirmAnswers = {true};
  dialogs.fileAnswers = {fs::path("old.txt")};
  EXPECT_FALSE(moveOldHorses(app, 1));
  EXPECT_EQ(dialogs.messages.back(),
            (std::vector<std::string>{sj("拡張子が「.uma」ではありません。"),
                                      sj("拡張子を「.uma」にするか、省略して下さい。")}));
  EXPECT_EQ(app.store.count, 1);
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(writer.writes, 0);
}

TEST_F(Maintenance, OldHorsesGoToTheRaceFileAndComeBackByAddLoad) {
  // March 2009, one year: horses 2, 4 and 6 have not raced since March 2008 or earlier.
  for (const char* month : {"0902", "0803", "0804", "9912", "", "0701", "0901"}) add(month);
  finish();
  const HorseStore before = app.store;
  for (int horse : {2, 3, 7, 4}) addRunner(app.card, horse);
  app.currentHorse = 3;

  dialogs.confirmAnswers = {true};
  dialogs.fileAnswers = {fs::path(u8"古い馬0903")};
  EXPECT_TRUE(moveOldHorses(app, 1));
  EXPECT_EQ(dialogs.confirmations.back().first, sj("ここ１年間、レースに"));
  EXPECT_EQ(dialogs.waits.back(), sj("古い馬を移動して保存しています"));
  EXPECT_EQ(dialogs.messages.back(), std::vector<std::string>{sj("古い馬を3頭、移動しました。")});
  EXPECT_EQ(app.currentHorse, 0);
  EXPECT_TRUE(app.store.modified);

  // The store keeps the other horses in their order; runner slots follow or are scratched.
  EXPECT_EQ(namesOf(app.store),
            (std::vector<std::string>{horseName(before, 1), horseName(before, 3),
                                      horseName(before, 5), horseName(before, 7)}));
  EXPECT_EQ(app.store.order, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(app.card.runnerCount, 4);
  EXPECT_EQ(app.card.runner[1], 0);
  EXPECT_EQ(app.card.winOdds[1], 9999.0);
  EXPECT_EQ(app.card.runner[2], 2);
  EXPECT_EQ(app.card.runner[3], 4);
  EXPECT_EQ(app.card.runner[4], 0);

  // The file is a race file without runners holding the three blocks as they were.
  const fs::path file = app.folders.race / u8"古い馬0903.uma";
  const std::optional<std::vector<std::string>> lines = readLines(file).lines;
  ASSERT_TRUE(lines);
  EXPECT_EQ((*lines)[0], "KORVANE DATA 1998-2009");
  EXPECT_EQ((*lines)[5], sj("0,逃げ先行有利"));
  EXPECT_EQ((*lines)[60], "3");
  auto read = readPageZeroFile(file, app.folders.data);
  ASSERT_TRUE(std::holds_alternative<LoadedSet>(read));
  const LoadedSet& moved = std::get<LoadedSet>(read);
  EXPECT_EQ(moved.card.runnerCount, 0);
  ASSERT_EQ(moved.store.count, 3);
  for (int i = 0; i < 3; ++i) {
    const BlockLines block = moved.store.block(i + 1);
    const BlockLines original = before.block(std::array{2, 4, 6}[i]);
    const std::span<const std::string_view> lines = block, originalLines = original;
    EXPECT_TRUE(std::ranges::equal(lines, originalLines));
  }

  // 追加読込 of the file brings every horse back, block for block.
  dialogs.fileAnswers = {file};
  ASSERT_TRUE(addLoadRace(app));
  ASSERT_EQ(app.store.count, 7);
  std::map<std::string, std::vector<std::string>> merged, original;
  for (int n = 1; n <= 7; ++n) {
    const BlockLines block = app.store.block(n), old = before.block(n);
    const std::span<const std::string_view> blockLines = block, oldLines = old;
    merged[horseName(app.store, n)].assign(blockLines.begin(), blockLines.end());
    original[horseName(before, n)].assign(oldLines.begin(), oldLines.end());
  }
  EXPECT_EQ(merged, original);
}

TEST_F(Maintenance, SevenHundredFiftyAtATime) {
  // 800 old horses among 1600: the first run stops after 750, the second moves the other 50.
  for (int i = 1; i <= 1600; ++i) add(i % 2 == 0 ? "0501" : "0903");
  finish();

  dialogs.confirmAnswers = {true, true, true};
  dialogs.fileAnswers = {fs::path("first.uma"), fs::path("second.uma"), fs::path("third.uma")};
  EXPECT_TRUE(moveOldHorses(app, 3));
  EXPECT_EQ(dialogs.messages.back(),
            (std::vector<std::string>{sj("古い馬を750頭、移動しました。"),
                                      sj("一度にこれ以上移動できません。")}));
  EXPECT_EQ(app.store.count, 850);
  EXPECT_EQ(readLines(app.folders.race / "first.uma").lines->size(), 61u + 750u * 42u);
  // The last moved horse was HORSE01500; what stays keeps its order and its pages packed.
  EXPECT_EQ(horseName(app.store, 750), fitBytesZen("HORSE01499", 18));
  EXPECT_EQ(horseName(app.store, 751), fitBytesZen("HORSE01501", 18));
  EXPECT_EQ(app.store.pageLines(0).size(), 61u + 750u * 42u);
  EXPECT_EQ(app.store.pageLines(1).size(), 100u * 42u);
  EXPECT_EQ(app.store.headerLine(61), "850");

  EXPECT_TRUE(moveOldHorses(app, 3));
  EXPECT_EQ(dialogs.messages.back(), std::vector<std::string>{sj("古い馬を50頭、移動しました。")});
  EXPECT_EQ(app.store.count, 800);
  EXPECT_EQ(app.store.pageLines(1).size(), 50u * 42u);

  // Nothing old is left: the dialog was answered, yet no file is written.
  const int writes = writer.writes;
  EXPECT_TRUE(moveOldHorses(app, 3));
  EXPECT_EQ(dialogs.messages.back(),
            std::vector<std::string>{sj("古い馬は１頭も見つかりませんでした。")});
  EXPECT_EQ(writer.writes, writes);
  EXPECT_FALSE(fs::exists(app.folders.race / "third.uma"));
}

TEST_F(Maintenance, AFailedWriteKeepsEveryHorse) {
  for (const char* month : {"0501", "0903", "0601"}) add(month);
  finish();
  const HorseStore before = app.store;
  writer.failAll = true;
  dialogs.confirmAnswers = {true};
  dialogs.fileAnswers = {fs::path("full.uma")};
  moveOldHorses(app, 1);
  ASSERT_EQ(dialogs.messages.back().size(), 3u);
  EXPECT_EQ(dialogs.messages.back()[0], sj("「full.uma」に保存できませんでした。"));
  EXPECT_EQ(storeLines(app.store), storeLines(before));
  EXPECT_EQ(app.store.count, 3);
  EXPECT_FALSE(app.store.modified);
}

}  // namespace
}  // namespace korvane
