#include "core/database/store_files.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/encoding.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "tests/support/store_lines.hpp"

namespace korvane {
namespace {

namespace fs = std::filesystem;

const fs::path kMain = u8"全競走馬.um0";
const fs::path kSecond = u8"全競走馬2.um0";
const fs::path kOrder = u8"馬並び順.um0";

// File 1 is the main file; 2..16 the continuation files.
fs::path partName(int fileNumber) {
  if (fileNumber == 1) return kMain;
  const std::string number = std::to_string(fileNumber);
  return fs::path(u8"全競走馬" + std::u8string(number.begin(), number.end()) + u8".um0");
}

std::string nameFor(int i) {
  static const std::string kana = sj("アイウエオカキクケコサシスセソタチツテトナニヌネノ");
  const int j = (i * 37) % 625;
  return kana.substr(2 * (j / 25), 2) + kana.substr(2 * (j % 25), 2) +
         padLeft(std::to_string(i), 5);
}

// A horse with two runs in the book: run 1 led at the 3rd corner, run 2 is empty, run 3 came
// from behind. Its stored style line is deliberately wrong so that loading must restyle it.
std::vector<std::string> recordFor(int i) {
  std::vector<std::string> record =
      placeholderRecord(identityLine(nameFor(i), 2 + i % 8, sj("牡")));
  const std::vector<std::string> run1{sj("芝"),     "1600",
                                      sj("東0903"), "1331",
                                      " 1 1 1",     std::to_string(340 + i % 20),
                                      sj("良"),     std::to_string(1 + i % 18)};
  const std::vector<std::string> run3{sj("ダ"), "1200", sj("中0812"), "1121",
                                      "101012", "370",  sj("重"),     "7"};
  std::copy(run1.begin(), run1.end(), record.begin() + runLine(1, RunField::Surface) - 1);
  std::copy(run3.begin(), run3.end(), record.begin() + runLine(3, RunField::Surface) - 1);
  return record;
}

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class StoreFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           (std::string("korvane_store_") + info->name() + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    app.folders.data = dir_;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Large sets skip the list search of appendHorse and sort the list once.
  void fill(AppState& state, int horses) {
    if (horses <= 1000) {
      for (int i = 1; i <= horses; ++i) appendHorse(state.store, recordFor(i));
    } else {
      HorseStore& store = state.store;
      for (int i = 1; i <= horses; ++i) appendBlock(store, recordFor(i));
      sortOrderByName(store);
      store.modified = true;
    }
    state.card.distance = 1800;
    state.card.course = sj("中山");
    state.card.surface = sj("ダ");
    state.card.going = sj("稍重");
    for (int horse : {horses, 1, horses / 2 + 1}) addRunner(state.card, horse);
    state.card.disregard[2][3] = true;
    state.card.winOdds[1] = 2.5;
    state.card.userRank[3] = 5;
  }

  // A saved set of `horses` horses on disk, and the app emptied again.
  void savedSet(int horses) {
    fill(app, horses);
    ASSERT_TRUE(saveStore(app));
  }

  std::vector<std::string> lines(const fs::path& name) { return *readLines(dir_ / name).lines; }
  void writeFile(const fs::path& name, const std::vector<std::string>& content) {
    AtomicLineWriter().writeLines(dir_ / name, content);
  }

  fs::path dir_;
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
};

TEST_F(StoreFiles, TheSecondFileStartsWithHorse751) {
  savedSet(751);
  EXPECT_EQ(lines(kMain).size(), 61u + 750u * 42u);
  EXPECT_EQ(lines(kMain)[60], "751");
  EXPECT_EQ(lines(kMain)[6], "751");  // the first runner
  EXPECT_EQ(lines(kSecond).size(), 42u);
  EXPECT_EQ(lines(kSecond)[0], identityLine(nameFor(751), 751 % 8 + 2, sj("牡")));
  EXPECT_EQ(lines(kOrder).size(), 751u);
  EXPECT_FALSE(fs::exists(dir_ / partName(3)));
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(dialogs.waits, std::vector<std::string>{sj("      データを保存しています")});
  EXPECT_FALSE(dialogs.waitShown);

  AppState fresh(dialogs, clock, writer);
  fresh.folders.data = dir_ / "750";
  fs::create_directory(fresh.folders.data);
  fill(fresh, 750);
  ASSERT_TRUE(saveStore(fresh));
  EXPECT_EQ(readLines(fresh.folders.data / kMain).lines->size(), 61u + 750u * 42u);
  EXPECT_FALSE(fs::exists(fresh.folders.data / kSecond));
}

TEST_F(StoreFiles, AFullSetSavesAsSixteenFilesAndComesBackByteForByte) {
  savedSet(kMaxHorses);
  for (int f = 2; f <= 16; ++f) EXPECT_EQ(lines(partName(f)).size(), 750u * 42u) << f;
  EXPECT_EQ(lines(kOrder).size(), 12000u);
  EXPECT_FALSE(fs::exists(dir_ / ".korvane-saving"));
  std::vector<std::string> before;
  for (int f = 1; f <= 16; ++f) before.push_back(bytesOf(dir_ / partName(f)));
  before.push_back(bytesOf(dir_ / kOrder));

  testing::ScriptedDialogs otherDialogs;
  AppState loaded(otherDialogs, clock, writer);
  loaded.folders.data = dir_;
  ASSERT_TRUE(loadAllHorses(loaded));
  EXPECT_TRUE(otherDialogs.messages.empty());
  EXPECT_EQ(loaded.store.count, 12000);
  EXPECT_EQ(storeLines(loaded.store), storeLines(app.store));
  EXPECT_EQ(loaded.store.order, app.store.order);
  EXPECT_EQ(loaded.card.runner, app.card.runner);
  EXPECT_EQ(loaded.card.disregard, app.card.disregard);
  EXPECT_TRUE(loaded.card.anyDisregard);
  EXPECT_FALSE(loaded.store.modified);

  // Saving what was loaded reproduces every file.
  loaded.store.modified = true;
  ASSERT_TRUE(saveStore(loaded));
  for (int f = 1; f <= 16; ++f) EXPECT_EQ(bytesOf(dir_ / partName(f)), before[f - 1]) << f;
  EXPECT_EQ(bytesOf(dir_ / kOrder), before[16]);
}

TEST_F(StoreFiles, LoadingRestylesEveryHorse) {
  savedSet(3);
  std::vector<std::string> main = lines(kMain);
  const std::size_t styleOf2 = 61 + 42 + 41;
  ASSERT_EQ(main[styleOf2], sj("好")) << "led once, came from behind once";
  main[styleOf2] = sj("追");
  main[61 + 41] = "";
  writeFile(kMain, main);
  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_EQ(horseStyle(app.store, 1), sj("好"));
  EXPECT_EQ(horseStyle(app.store, 2), sj("好"));
  ASSERT_TRUE(saveStore(app));
  EXPECT_EQ(lines(kMain)[styleOf2], sj("好"));
}

TEST_F(StoreFiles, AnUnusableOrderFileIsRebuiltFromTheNames) {
  savedSet(5);
  const std::vector<int> byName = app.store.order;
  writeFile(kOrder, {"5", "4", "3", "2", "1"});
  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_EQ(app.store.order, (std::vector<int>{5, 4, 3, 2, 1}));

  for (const std::vector<std::string>& bad : {std::vector<std::string>{"1", "2", "3", "4"},
                                              {"1", "2", "3", "3", "5"},
                                              {"1", "2", "3", "4", "6"},
                                              {"1", "2", "x", "4", "5"}}) {
    writeFile(kOrder, bad);
    ASSERT_TRUE(loadAllHorses(app));
    EXPECT_EQ(app.store.order, byName);
  }
  fs::remove(dir_ / kOrder);
  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_EQ(app.store.order, byName);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StoreFiles, LinesAfterTheLastBlockAreDroppedSoAppendsStayAligned) {
  savedSet(3);
  std::vector<std::string> main = lines(kMain);
  main.push_back("junk");
  main.push_back("");
  writeFile(kMain, main);
  ASSERT_TRUE(loadAllHorses(app));
  appendHorse(app.store, recordFor(4));
  ASSERT_TRUE(saveStore(app));
  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_EQ(lines(kMain).size(), 61u + 4u * 42u);
  EXPECT_EQ(horseName(app.store, 4), displayName(nameFor(4)));
}

// Every kind of damage is refused with the file and the line, and leaves what was loaded alone.
TEST_F(StoreFiles, MalformedFilesAreRefusedAndChangeNothing) {
  savedSet(800);
  const std::vector<std::string> main = lines(kMain);
  const std::vector<std::string> second = lines(kSecond);
  const int horse2 = 61 + 42;  // lines before horse 2's block
  const int last3F = runLine(1, RunField::Last3F);
  struct Damage {
    const char* what;
    fs::path file;
    int line;  // 1-based line to replace; 0 = cut the file to `keep` lines
    std::string text;
    std::size_t keep;
    int expectedLine;
  };
  const std::vector<Damage> damages{
      {"count not a number", kMain, 61, "8OO", 0, 61},
      {"count above 12000", kMain, 61, "12001", 0, 61},
      {"runner count not a number", kMain, 6, "x," + sj("展開不問"), 0, 6},
      {"runner count above 18", kMain, 6, "19", 0, 6},
      {"runner not a number", kMain, 8, "1o", 0, 8},
      {"runner beyond the horses", kMain, 7, "801", 0, 7},
      {"rank not a number", kMain, 43, "2.5,", 0, 43},
      {"last 3F not a number", kMain, horse2 + last3F, "34.5", 0, horse2 + last3F},
      {"finish missing", kMain, horse2 + runLine(1, RunField::Finish), "", 0,
       horse2 + runLine(1, RunField::Finish)},
      {"3rd corner not a number", kMain, horse2 + runLine(3, RunField::Corners), "10x012", 0,
       horse2 + runLine(3, RunField::Corners)},
      {"main file short", kMain, 0, "", 20000, 20001},
      {"header short", kMain, 0, "", 50, 51},
      {"continuation short", kSecond, 0, "", 41 * 42, 41 * 42 + 1},
      {"continuation run damaged", kSecond, 42 * 7 + runLine(3, RunField::Finish), "7th", 0,
       42 * 7 + runLine(3, RunField::Finish)},
      {"name cut inside a double-byte character", kMain, horse2 + 1,
       sj("サクラ") + "\x83" + std::string(11, ' ') + " 4" + sj("牡"), 0, horse2 + 1},
      {"header byte that is no Shift-JIS", kMain, 3, "\xFF\xFE", 0, 3},
      {"continuation name ending on a lead byte", kSecond, 42 * 3 + 1, "\xE3\x82\xB5\xE3", 0,
       42 * 3 + 1},
  };

  // What is loaded before each attempt: a small set of three horses.
  testing::ScriptedDialogs otherDialogs;
  AppState before(otherDialogs, clock, writer);
  fill(before, 3);
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.what);
    std::vector<std::string> content = d.file == kMain ? main : second;
    if (d.line > 0) {
      content[d.line - 1] = d.text;
    } else {
      content.resize(d.keep);
    }
    writeFile(kMain, main);
    writeFile(kSecond, second);
    writeFile(d.file, content);

    app.store = before.store;
    app.card = before.card;
    app.store.modified = true;
    dialogs.messages.clear();
    EXPECT_FALSE(loadAllHorses(app));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::vector<std::string>& message = dialogs.messages[0];
    ASSERT_GE(message.size(), 2u);
    EXPECT_NE(message[0].find(utf8ToCp932Lossy(d.file.string())), std::string::npos);
    EXPECT_EQ(message[1].substr(0, message[1].find(sj("行目"))), std::to_string(d.expectedLine));
    EXPECT_EQ(storeLines(app.store), storeLines(before.store));
    EXPECT_EQ(app.store.count, 3);
    EXPECT_TRUE(app.store.modified);
    EXPECT_EQ(app.card.runner, before.card.runner);
    EXPECT_EQ(app.card.distance, before.card.distance);
  }

  // A missing continuation file is named as a whole.
  writeFile(kMain, main);
  fs::remove(dir_ / kSecond);
  dialogs.messages.clear();
  EXPECT_FALSE(loadAllHorses(app));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0][0], sj("「全競走馬2.um0」を読み込めませんでした。"));
  EXPECT_EQ(dialogs.messages[0][1], sj("ファイルがありません。"));
  EXPECT_EQ(app.store.count, 3);

  // A continuation file that is a folder says so.
  fs::create_directory(dir_ / kSecond);
  dialogs.messages.clear();
  EXPECT_FALSE(loadAllHorses(app));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0][1], sj("ファイルではなく、フォルダです。"));
  EXPECT_EQ(app.store.count, 3);
  fs::remove(dir_ / kSecond);

  // Damage inside an empty run is never read, so it does not stop the load.
  writeFile(kSecond, second);
  std::vector<std::string> content = main;
  content[horse2 + runLine(2, RunField::Finish) - 1] = "??";
  writeFile(kMain, content);
  EXPECT_TRUE(loadAllHorses(app));
  EXPECT_EQ(app.store.count, 800);
}

// Of several faults the one reported is met first: the pages in order (they are read two at a
// time), and within a horse its bytes before its numbers.
TEST_F(StoreFiles, TheFaultMetFirstIsTheOneReported) {
  savedSet(2300);  // four files
  const fs::path third = u8"全競走馬3.um0", fourth = u8"全競走馬4.um0";
  const int finish = runLine(1, RunField::Finish), corners = runLine(1, RunField::Corners);
  struct Faults {
    const char* what;
    std::vector<std::tuple<fs::path, int, std::string>> damage;  // file, line, text
    fs::path reportedFile;
    int reportedLine;
  };
  const std::vector<Faults> cases{
      {"a later page and an earlier one",
       {{fourth, 42 * 10 + finish, "x"}, {third, 42 * 20 + finish, "y"}}, third, 42 * 20 + finish},
      {"the main file and a later page",
       {{third, 42 + finish, "x"}, {kMain, 61 + 42 * 5 + finish, "y"}}, kMain,
       61 + 42 * 5 + finish},
      {"a number before a bad byte of a later horse",
       {{kSecond, 42 * 2 + finish, "x"}, {kSecond, 42 * 3 + 1, "\xFF"}}, kSecond,
       42 * 2 + finish},
      {"a bad byte after a number of the same horse",
       {{kSecond, 42 * 2 + corners, " 1x 1"}, {kSecond, 42 * 2 + finish + 8, "\xFF"}}, kSecond,
       42 * 2 + finish + 8},
  };
  std::map<fs::path, std::vector<std::string>> files;
  for (const fs::path& name : {kMain, kSecond, third, fourth}) files[name] = lines(name);
  for (const Faults& c : cases) {
    SCOPED_TRACE(c.what);
    std::map<fs::path, std::vector<std::string>> damaged = files;
    for (const auto& [file, line, text] : c.damage) damaged[file][line - 1] = text;
    for (const auto& [name, content] : damaged) writeFile(name, content);
    dialogs.messages.clear();
    EXPECT_FALSE(loadAllHorses(app));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0][0].find(utf8ToCp932Lossy(c.reportedFile.string())),
              std::string::npos);
    EXPECT_EQ(dialogs.messages[0][1].substr(0, dialogs.messages[0][1].find(sj("行目"))),
              std::to_string(c.reportedLine));
  }
}

// Files written with LF alone, or without an end to the last line, load; a save writes them
// back with CR LF after every line.
TEST_F(StoreFiles, LineEndsOfOtherProgramsLoadAndSaveAsCrLf) {
  savedSet(800);
  const std::string main = bytesOf(dir_ / kMain), second = bytesOf(dir_ / kSecond);
  const std::string lastStyle = lines(kSecond).back();
  std::string lfOnly;
  for (char c : main) {
    if (c != '\r') lfOnly += c;
  }
  std::ofstream(dir_ / kMain, std::ios::binary) << lfOnly;
  std::ofstream(dir_ / kSecond, std::ios::binary) << second.substr(0, second.size() - 2);
  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_EQ(app.store.count, 800);
  EXPECT_EQ(app.store.line(800, kStyleLine), lastStyle);
  app.store.modified = true;
  ASSERT_TRUE(saveStore(app));
  EXPECT_EQ(bytesOf(dir_ / kMain), main);
  EXPECT_EQ(bytesOf(dir_ / kSecond), second);
}

TEST_F(StoreFiles, AFailedSaveLeavesTheOldFilesAndTheChangesMarked) {
  savedSet(800);
  std::vector<std::string> before;
  for (const fs::path& name : {kMain, kSecond, kOrder}) before.push_back(bytesOf(dir_ / name));

  appendHorse(app.store, recordFor(801));
  writer.failName = kSecond;
  EXPECT_FALSE(saveStore(app));
  EXPECT_TRUE(app.store.modified);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0][0], sj("「全競走馬2.um0」に保存できませんでした。"));
  EXPECT_EQ(dialogs.messages[0].size(), 2u);
  EXPECT_FALSE(dialogs.waitShown);
  int i = 0;
  for (const fs::path& name : {kMain, kSecond, kOrder}) {
    EXPECT_EQ(bytesOf(dir_ / name), before[i++]) << name;
  }
  EXPECT_FALSE(fs::exists(dir_ / ".korvane-saving"));

  // The order file is written last of all; its failure still keeps the main file as it was.
  writer.failName = kOrder;
  EXPECT_FALSE(saveStore(app));
  EXPECT_EQ(bytesOf(dir_ / kMain), before[0]);
  EXPECT_EQ(dialogs.messages.back()[0], sj("「馬並び順.um0」に保存できませんでした。"));

  writer.failName.reset();
  EXPECT_TRUE(saveStore(app));
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(lines(kOrder).size(), 801u);
}

// The files of a set as they lie in the folder; a file that is not there reads as "-".
std::vector<std::string> setOnDisk(const fs::path& dir) {
  std::vector<std::string> files;
  for (const fs::path& name : {partName(1), partName(2), partName(3), kOrder}) {
    files.push_back(fs::exists(dir / name) ? bytesOf(dir / name) : "-");
  }
  return files;
}

void putSet(const fs::path& dir, const std::vector<std::string>& files) {
  fs::remove_all(dir / ".korvane-saving");
  int i = 0;
  for (const fs::path& name : {partName(1), partName(2), partName(3), kOrder}) {
    if (files[i] == "-") {
      fs::remove(dir / name);
    } else {
      std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << files[i];
    }
    ++i;
  }
}

// A save that fails or is killed at any one step of the transaction, with a horse count that
// changes the number of files: the next load (which finishes a committed save) finds exactly the
// old or exactly the new set, and the next save goes through.
TEST_F(StoreFiles, ASaveStoppedAtAnyStepLeavesTheOldOrTheNewSet) {
  savedSet(2);
  const std::vector<std::string> oldSet = setOnDisk(dir_);
  for (int i = 3; i <= 751; ++i) appendBlock(app.store, recordFor(i));
  sortOrderByName(app.store);
  app.store.modified = true;
  const fs::path reference = dir_ / "reference";
  fs::create_directory(reference);
  app.folders.data = reference;
  ASSERT_TRUE(saveStore(app));
  app.folders.data = dir_;
  const std::vector<std::string> newSet = setOnDisk(reference);
  ASSERT_EQ(oldSet[1], "-");
  ASSERT_NE(newSet[1], "-");

  int oldOnes = 0, newOnes = 0;
  for (const bool kill : {false, true}) {
    for (int step = 1;; ++step) {
      SCOPED_TRACE((kill ? "killed at call " : "failed at call ") + std::to_string(step));
      putSet(dir_, oldSet);
      writer.calls = 0;
      (kill ? writer.killAtCall : writer.failAtCall) = step;
      app.store.modified = true;
      dialogs.messages.clear();
      const bool saved = saveStore(app);
      const bool reached = writer.calls >= step;
      writer.failAtCall = writer.killAtCall = 0;
      if (!saved) {
        EXPECT_TRUE(app.store.modified);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0][1],
                  sj("ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。"));
      }

      testing::ScriptedDialogs loadDialogs;
      AtomicLineWriter realWriter;
      AppState loaded(loadDialogs, clock, realWriter);
      loaded.folders.data = dir_;
      ASSERT_TRUE(loadAllHorses(loaded));
      const std::vector<std::string> after = setOnDisk(dir_);
      const bool isOld = after == oldSet;
      const bool isNew = after == newSet;
      EXPECT_TRUE(isOld || isNew);
      oldOnes += isOld;
      newOnes += isNew;
      EXPECT_EQ(loaded.store.count, isNew ? 751 : 2);
      if (isNew) {
        EXPECT_EQ(storeLines(loaded.store), storeLines(app.store));
      }
      EXPECT_FALSE(fs::exists(dir_ / ".korvane-saving"));

      // Whatever happened, the next save goes through.
      ASSERT_TRUE(saveStore(app));
      EXPECT_EQ(setOnDisk(dir_), newSet);
      if (!reached) break;
    }
  }
  EXPECT_GT(oldOnes, 4);
  EXPECT_GT(newOnes, 4);
}

// A committed save whose files cannot be put in place makes the load refuse, naming the file,
// rather than read a mix of two saves; once the folder works again the new set loads.
TEST_F(StoreFiles, ALoadThatCannotFinishACommittedSaveRefuses) {
  savedSet(800);
  for (int i = 801; i <= 900; ++i) appendBlock(app.store, recordFor(i));
  sortOrderByName(app.store);
  const HorseStore saved = app.store;
  app.store.modified = true;
  writer.calls = 0;
  // Remove, make the folder, three staged files, flush, the marker, the main file moved: then
  // killed.
  writer.killAtCall = 9;
  EXPECT_FALSE(saveStore(app));
  writer.killAtCall = 0;
  ASSERT_TRUE(fs::exists(dir_ / ".korvane-saving" / "commit"));

  writer.calls = 0;
  writer.failAtCall = 1;
  app.store = HorseStore();
  dialogs.messages.clear();
  EXPECT_FALSE(loadAllHorses(app));
  writer.failAtCall = 0;
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0][0], sj("「全競走馬2.um0」を読み込めませんでした。"));
  EXPECT_EQ(app.store.count, 0);

  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_EQ(storeLines(app.store), storeLines(saved));
  EXPECT_FALSE(fs::exists(dir_ / ".korvane-saving"));
}

// What a kill leaves before the commit is thrown away; a marker that names files outside the
// folder moves nothing there.
TEST_F(StoreFiles, AnUncommittedOrForgedStagingFolderChangesNothing) {
  savedSet(3);
  const std::vector<std::string> before = setOnDisk(dir_);
  const fs::path staging = dir_ / ".korvane-saving";
  fs::create_directory(staging);
  writeFile(staging / kMain, {"half"});
  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_FALSE(fs::exists(staging));
  EXPECT_EQ(setOnDisk(dir_), before);

  fs::create_directories(staging / "sub");
  writeFile(staging / "sub" / "x", {"outside"});
  writeFile(staging / "commit", {"KORVANE SAVE", "../escaped", "sub/x", "commit", ""});
  ASSERT_TRUE(loadAllHorses(app));
  EXPECT_FALSE(fs::exists(dir_.parent_path() / "escaped"));
  EXPECT_FALSE(fs::exists(dir_ / "x"));
  EXPECT_EQ(setOnDisk(dir_), before);
}

TEST_F(StoreFiles, AFailedSaveNamesEveryFileItCouldNotWrite) {
  savedSet(1600);
  const std::vector<std::string> before = setOnDisk(dir_);
  writer.failAll = true;
  app.store.modified = true;
  EXPECT_FALSE(saveStore(app));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            (std::vector<std::string>{
                sj("「全競走馬.um0」「全競走馬2.um0」「全競走馬3.um0」"),
                sj("「馬並び順.um0」に保存できませんでした。"),
                sj("ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。"),
                sj("前に保存したファイルは、そのまま残っています。")}));
  EXPECT_EQ(setOnDisk(dir_), before);
}

TEST_F(StoreFiles, AFolderThatCannotBeWrittenKeepsTheChanges) {
  app.folders.data = dir_ / "missing" / "folder";
  fill(app, 2);
  EXPECT_FALSE(saveStore(app));
  EXPECT_TRUE(app.store.modified);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0][0], sj("「全競走馬.um0」「馬並び順.um0」に保存できませんでした。"));
}

TEST_F(StoreFiles, ARaceFileIsSavedAloneAndKeepsHorsesPastTheFirstPage) {
  fill(app, 800);
  app.editedFile = dir_ / "race.uma";
  ASSERT_TRUE(saveStore(app));
  EXPECT_FALSE(fs::exists(dir_ / kMain));
  EXPECT_FALSE(fs::exists(dir_ / kOrder));
  EXPECT_FALSE(fs::exists(dir_ / kSecond));
  EXPECT_EQ(lines("race.uma").size(), 61u + 800u * 42u);

  testing::ScriptedDialogs otherDialogs;
  AppState loaded(otherDialogs, clock, writer);
  loaded.folders.data = dir_;
  ASSERT_TRUE(loadPageZeroFile(loaded, dir_ / "race.uma"));
  EXPECT_EQ(loaded.store.count, 800);
  EXPECT_EQ(storeLines(loaded.store), storeLines(app.store));
}

TEST_F(StoreFiles, SavePromptsNameTheEditedFile) {
  savedSet(2);
  dialogs.confirmations.clear();
  EXPECT_TRUE(askSaveIfModified(app));
  EXPECT_TRUE(dialogs.confirmations.empty()) << "nothing changed, nothing asked";

  app.store.modified = true;
  const int writes = writer.writes;
  EXPECT_TRUE(askSaveIfModified(app));  // いいえ
  ASSERT_EQ(dialogs.confirmations.size(), 1u);
  EXPECT_EQ(dialogs.confirmations[0].first, sj("全競走馬ファイル"));
  EXPECT_EQ(dialogs.confirmations[0].second, sj("は変更されています。保存しますか？"));
  EXPECT_EQ(writer.writes, writes);
  EXPECT_TRUE(app.store.modified);

  dialogs.confirmAnswers = {true};
  EXPECT_TRUE(askSaveIfModified(app));
  EXPECT_FALSE(app.store.modified);

  app.store.modified = true;
  writer.failAll = true;
  dialogs.confirmAnswers = {true};
  EXPECT_FALSE(askSaveIfModified(app)) << "the caller must not go on and drop the changes";
  writer.failAll = false;

  // 保存 asks even when nothing changed, and names a race file by its file name.
  app.store.modified = false;
  app.editedFile = dir_ / u8"日本ダービー.uma";
  dialogs.confirmAnswers = {true};
  saveButton(app);
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("日本ダービー.umaを"), sj("上書き保存します。")));
  EXPECT_TRUE(fs::exists(dir_ / u8"日本ダービー.uma"));
}

TEST_F(StoreFiles, ReloadAsksAndStartsOverFromTheFiles) {
  reloadAllHorses(app);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].size(), 6u);
  EXPECT_EQ(dialogs.messages[0][0], sj("初めての起動なので、"));
  EXPECT_EQ(dialogs.messages[0][5], sj("そうすると、全競走馬ファイルが作られます。"));
  EXPECT_TRUE(dialogs.confirmations.empty());

  savedSet(4);
  appendHorse(app.store, recordFor(5));
  app.currentHorse = 5;
  app.selectedSlot = 2;
  reloadAllHorses(app);  // いいえ
  EXPECT_EQ(dialogs.confirmations.back(),
            std::make_pair(sj("全競走馬"), sj("を読込直します。よろしいですか？")));
  EXPECT_EQ(app.store.count, 5);

  dialogs.confirmAnswers = {true};
  reloadAllHorses(app);
  EXPECT_EQ(app.store.count, 4);
  EXPECT_FALSE(app.store.modified);
  EXPECT_EQ(app.currentHorse, 0);
  EXPECT_EQ(app.selectedSlot, 0);
  EXPECT_EQ(dialogs.waits.back(), sj("    データを読み込んでいます"));
  EXPECT_FALSE(dialogs.waitShown);

  // From a race file: only the save question, then the set comes back.
  app.editedFile = dir_ / "race.uma";
  app.store.modified = true;
  const std::size_t asked = dialogs.confirmations.size();
  reloadAllHorses(app);
  ASSERT_EQ(dialogs.confirmations.size(), asked + 1);
  EXPECT_EQ(dialogs.confirmations.back().first, sj("race.uma"));
  EXPECT_TRUE(app.editingAllHorses());
  EXPECT_EQ(app.fileLabel(), sj("全競走馬"));
  EXPECT_FALSE(fs::exists(dir_ / "race.uma"));
}

}  // namespace
}  // namespace korvane
