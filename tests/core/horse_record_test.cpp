#include "core/database/horse_record.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/database/horse_fields.hpp"
#include "core/database/horse_store.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/sjis.hpp"

namespace korvane {
namespace {

// A block whose runs have the given (3rd corner, 4th corner) positions; the other runs stay
// empty placeholders.
std::vector<std::string> withCorners(std::vector<std::pair<int, int>> corners) {
  std::vector<std::string> block = placeholderRecord(identityLine(sj("テスト"), 4, sj("牡")));
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    block[runLine(r, RunField::Surface) - 1] = sj("芝");
    block[runLine(r, RunField::Corners) - 1] = " 5" + padLeft(std::to_string(corners[i].first), 2) +
                                               padLeft(std::to_string(corners[i].second), 2);
  }
  return block;
}

TEST(HorseRecord, PlaceholderBlockIsFortyOneLinesOfEmptyRunsAndStylesAsAllRounder) {
  std::vector<std::string> block = placeholderRecord(identityLine(sj("テスト"), 3, sj("牝")));
  ASSERT_EQ(block.size(), 41u);
  const std::vector<std::string> emptyRun{sj("無"), "9999", sj("東0000"), "0000",
                                          " 0 0 0", "999",  sj("良"),     "99"};
  for (int r = 1; r <= 5; ++r) {
    for (int i = 0; i < 8; ++i) EXPECT_EQ(block[8 * r - 7 + i], emptyRun[i]) << r << "/" << i;
  }
  EXPECT_EQ(computeStyle(lineViews(block)), sj("好"));
}

TEST(HorseRecord, RunningStyleFromTheCornerPositions) {
  EXPECT_EQ(computeStyle(lineViews(withCorners({{1, 1}, {1, 1}}))), sj("逃"));
  // K = 2, N = 1: none of the one-sided rules holds.
  EXPECT_EQ(computeStyle(lineViews(withCorners({{4, 3}, {4, 3}, {1, 1}}))), sj("好"));
  // 追 by the tally, but the horse was up front in one of its two latest runs.
  EXPECT_EQ(computeStyle(lineViews(withCorners({{1, 1}, {8, 9}, {8, 9}}))), sj("好"));
  // 逃 by the tally, but it was at the back in one of its two latest runs.
  EXPECT_EQ(computeStyle(lineViews(withCorners({{8, 9}, {1, 1}, {1, 1}}))), sj("好"));
  EXPECT_EQ(computeStyle(lineViews(withCorners({{8, 9}, {8, 9}, {8, 9}}))), sj("追"));
  EXPECT_EQ(computeStyle(lineViews(withCorners({{2, 2}, {3, 3}, {4, 2}}))), sj("先"));
  EXPECT_EQ(computeStyle(lineViews(withCorners({{5, 5}, {7, 5}, {6, 6}}))), sj("差"));
  // A run without a 4th-corner position is skipped; only three valid runs count.
  EXPECT_EQ(computeStyle(lineViews(withCorners({{1, 0}, {8, 9}, {8, 9}, {8, 9}, {1, 1}}))), sj("追"));
  // A 3rd corner of 0 or above 18 counts as a valid run without a tally.
  EXPECT_EQ(computeStyle(lineViews(withCorners({{0, 3}, {19, 3}, {1, 1}}))), sj("逃"));
}

TEST(HorseRecord, NamesAreStoredWithHalfWidthSpacesAndShownWithFullWidthOnes) {
  const std::string identity = identityLine(sj("サクラ　ローレル"), 3, sj("牡"));
  EXPECT_EQ(identity, sj("サクラ") + "  " + sj("ローレル") + "  " + " 3" + sj("牡"));
  EXPECT_EQ(identity.size(), 22u);
  EXPECT_EQ(identityLine("AB", 10, sj("ｾﾝ")), "AB" + std::string(16, ' ') + "10" + sj("ｾﾝ"));
  EXPECT_EQ(displayName(identity), sj("サクラ　ローレル　"));
  EXPECT_EQ(storedName(sj("サクラ　ローレル")), identity.substr(0, 18));

  // Cutting to 18 bytes never splits a double-byte character: the freed byte is a blank.
  EXPECT_EQ(storedName("A" + sj("アイウエオカキクケ")), "A" + sj("アイウエオカキク") + " ");
  EXPECT_EQ(identityLine("A" + sj("アイウエオカキクケ"), 5, sj("牝")).size(), 22u);
  EXPECT_EQ(displayName("ABC" + std::string(15, ' ')), "ABC" + sj("　　　　　　　") + " ");
}

TEST(HorseRecord, ANameFieldEndingInHalfACharacterIsRepairedToBlanks) {
  // Bytes 18 and 19 are one character: the name field would end in its first half.
  const std::optional<std::string> mended =
      repairedCutName(sj("ｱアイウエオカキクケ") + " 4" + sj("牡"));
  ASSERT_TRUE(mended);
  EXPECT_EQ(*mended, sj("ｱアイウエオカキク") + "   4" + sj("牡"));
  EXPECT_TRUE(isWellFormedCp932(displayName(*mended)));

  // Whole characters up to byte 18 (or a line shorter than the field) are left alone.
  for (std::string whole : {identityLine(sj("アイウエオカキクケ"), 4, sj("牡")),
                            sj("ｱｲアイウエオカキク") + sj("ケ"), std::string("AB"), sj("ｱア")}) {
    EXPECT_FALSE(repairedCutName(whole));
  }
}

TEST(HorseRecord, RacecourseNames) {
  // The code is not always the name's first character.
  const std::vector<std::pair<const char*, const char*>> cases{{"名", "中京"}, {"Ｎ", "新国"},
                                                               {"ア", "ｱﾗﾌﾞ"}, {"屋", "名古屋"},
                                                               {"知", "高知"}, {"津", "中津"}};
  for (const auto& [code, name] : cases) EXPECT_EQ(courseName(sj(code)), sj(name)) << code;
  EXPECT_EQ(courseName(sj("無")), sj("無"));
  EXPECT_EQ(courseName("X"), "X");
}

class HorseFields : public ::testing::Test {
 protected:
  // Horse 1 has one turf run at 京都 in March 2009; the others are placeholders.
  void SetUp() override {
    std::vector<std::string> block =
        placeholderRecord(identityLine(sj("キョウト　ホース"), 5, sj("牝")));
    const std::vector<std::string> run{sj("芝"), "1200", sj("京0903"), "1331",
                                       " 3 2 1", "345",  sj("稍"),     "12"};
    std::copy(run.begin(), run.end(), block.begin() + 1);
    appendHorse(store, block);
  }
  HorseStore store;
};

TEST_F(HorseFields, ReadTheBlockOfAHorse) {
  EXPECT_EQ(horseName(store, 1), sj("キョウト　ホース　"));
  EXPECT_EQ(horseAge(store, 1), 5);
  EXPECT_EQ(horseSex(store, 1), sj("牝"));
  EXPECT_EQ(runCourseName(store, 1, 1), sj("京都"));
  EXPECT_EQ(runCorners(store, 1, 1), " 3 2 1");
  EXPECT_EQ(runLast3F(store, 1, 1), 345);
  EXPECT_EQ(runFinish(store, 1, 1), 12);
  EXPECT_EQ(horseStyle(store, 1), sj("先"));
  EXPECT_EQ(runSurface(store, 1, 2), sj("無"));
}

TEST_F(HorseFields, ScratchedSlotAndUnknownHorsesAnswerWithoutFailing) {
  EXPECT_EQ(horseName(store, 0), sj("出走取消　　　　　"));
  EXPECT_EQ(horseAge(store, 0), 99);
  EXPECT_EQ(runSurface(store, 0, 1), sj("無"));
  EXPECT_EQ(runDistance(store, 0, 1), 9999);
  EXPECT_EQ(runCourseKey(store, 0, 1), sj("無0000無無"));
  EXPECT_EQ(runCorners(store, 0, 1), " 0 0 0");
  EXPECT_EQ(runLast3F(store, 0, 1), 999);
  EXPECT_EQ(runFinish(store, 0, 1), 99);
  EXPECT_EQ(horseStyle(store, 0), sj("？"));

  for (int n : {2, 12001, -1}) {
    EXPECT_EQ(horseName(store, n), "") << n;
    EXPECT_EQ(horseAge(store, n), 0) << n;
    EXPECT_EQ(runDistance(store, n, 1), 0) << n;
    EXPECT_EQ(runCourseKey(store, n, 1), "") << n;
    EXPECT_EQ(horseStyle(store, n), "") << n;
  }
  EXPECT_EQ(runSurface(store, 1, 6), "");
}

TEST_F(HorseFields, OldAndDamagedFieldsReadAsNotEntered) {
  store.setLine(1, runLine(1, RunField::Distance), "16");
  EXPECT_EQ(runDistance(store, 1, 1), 1600);
  store.setLine(1, runLine(1, RunField::Distance), "9999");
  EXPECT_EQ(runDistance(store, 1, 1), 9999);
  store.setLine(1, runLine(1, RunField::Time), "133");
  EXPECT_EQ(runTime(store, 1, 1), "0000");
  store.setLine(1, runLine(1, RunField::Last3F), "3x");
  EXPECT_EQ(runLast3F(store, 1, 1), 999);
  store.setLine(1, runLine(1, RunField::Finish), "");
  EXPECT_EQ(runFinish(store, 1, 1), 99);
  store.setLine(1, 1, sj("ダメ"));  // line 1 cut short: no age, no sex
  EXPECT_EQ(horseAge(store, 1), 0);
  EXPECT_EQ(horseSex(store, 1), "");
  EXPECT_EQ(horseName(store, 1), sj("ダメ　　　　　　　"));
}

TEST_F(HorseFields, RunCourseKeyUsesTheLayoutCodesOnTurfOnly) {
  EXPECT_EQ(runCourseKey(store, 1, 1), sj("都0903芝稍"));
  store.setLine(1, runLine(1, RunField::Distance), "1400");
  EXPECT_EQ(runCourseKey(store, 1, 1), sj("京0903芝稍"));
  store.setLine(1, runLine(1, RunField::Distance), "20");  // old form of 2000 m
  EXPECT_EQ(runCourseKey(store, 1, 1), sj("都0903芝稍"));
  store.setLine(1, runLine(1, RunField::Surface), sj("ダ"));
  store.setLine(1, runLine(1, RunField::Distance), "1200");
  EXPECT_EQ(runCourseKey(store, 1, 1), sj("京0903ダ稍"));

  store.setLine(1, runLine(1, RunField::Surface), sj("芝"));
  store.setLine(1, runLine(1, RunField::CourseDate), sj("新0811"));
  store.setLine(1, runLine(1, RunField::Distance), "1800");
  EXPECT_EQ(runCourseKey(store, 1, 1), sj("潟0811芝稍"));
  store.setLine(1, runLine(1, RunField::CourseDate), sj("阪0811"));
  store.setLine(1, runLine(1, RunField::Distance), "2400");
  EXPECT_EQ(runCourseKey(store, 1, 1), sj("神0811芝稍"));
  store.setLine(1, runLine(1, RunField::Distance), "2000");
  EXPECT_EQ(runCourseKey(store, 1, 1), sj("阪0811芝稍"));
}

TEST(HorseStorePages, HorseSevenFiftyOneOpensPageOne) {
  HorseStore store;
  EXPECT_EQ(store.pageLines(0).size(), 61u);
  for (int n = 1; n <= 751; ++n) {
    const std::vector<std::string> record =
        placeholderRecord(identityLine(sj("ウマ") + std::to_string(n), 3, sj("牡")));
    ASSERT_EQ(appendHorse(store, record), n);
  }
  EXPECT_EQ(store.pageLines(0).size(), 61u + 42u * 750u);
  EXPECT_EQ(store.pageLines(1).size(), 42u);
  EXPECT_EQ(store.headerLine(61), "751");
  // Horse 750 ends the first page; horse 751 is lines 1-42 of the second.
  EXPECT_EQ(store.line(750, 42), store.pageLines(0)[61 + 42 * 750 - 1]);
  EXPECT_EQ(store.line(750, 42), sj("好"));
  EXPECT_EQ(store.line(751, 1), store.pageLines(1)[0]);
  EXPECT_EQ(store.line(751, 42), store.pageLines(1)[41]);
  store.setLine(751, 2, sj("ダ"));
  EXPECT_EQ(store.pageLines(1)[1], sj("ダ"));
  EXPECT_EQ(horseName(store, 751).substr(0, 7), sj("ウマ") + "751");
}

}  // namespace
}  // namespace korvane
