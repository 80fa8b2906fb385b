#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "core/database/race_files.hpp"
#include "core/text/sjis.hpp"

namespace korvane {
namespace {

const std::filesystem::path kFile = "race.uma";

TRaceCard parsed(const std::vector<std::string>& header) {
  auto result = parseRaceHeader(lineViews(header), kFile);
  if (auto* error = std::get_if<LoadError>(&result)) {
    ADD_FAILURE() << "refused at line " << error->line;
    return {};
  }
  return std::get<TRaceCard>(result);
}

int refusedAt(const std::vector<std::string>& header) {
  auto result = parseRaceHeader(lineViews(header), kFile);
  if (auto* error = std::get_if<LoadError>(&result)) {
    EXPECT_EQ(error->file, kFile);
    EXPECT_FALSE(error->reason.empty());
    return error->line;
  }
  return 0;
}

TEST(RaceHeader, WritesTheCardLineByLine) {
  TRaceCard card;
  card.distance = 2400;
  card.course = sj("京都(外)");
  card.surface = sj("芝");
  card.going = sj("稍重");
  card.development = developments()[3];
  addRunner(card, 12);
  addRunner(card, 7);
  addRunner(card, 3);
  scratch(card, 2);
  card.disregard[1] = {false, true, false, true, false, true};
  card.disregard[3][2] = true;
  card.winOdds[1] = 3.45;
  card.winOdds[3] = 12;
  card.userRank[3] = 1;

  std::vector<std::string> header = emptyRaceHeader("KORVANE DATA 1998-2009");
  header[60] = "2";
  writeRaceHeader(card, header);
  EXPECT_EQ(header[1], "2400");
  EXPECT_EQ(header[2], sj("京都(外)"));
  EXPECT_EQ(header[4], sj("稍重"));
  EXPECT_EQ(header[5], "3," + sj("差し追込有利"));
  EXPECT_EQ(header[6], "12");
  EXPECT_EQ(header[7], "0");
  EXPECT_EQ(header[8], "3");
  EXPECT_EQ(header[24], "135");
  EXPECT_EQ(header[25], "0");
  EXPECT_EQ(header[26], "2");
  EXPECT_EQ(header[42], "3.5,3");  // exactly one decimal
  EXPECT_EQ(header[43], "9999.0,3");
  EXPECT_EQ(header[44], "12.0,1");
  EXPECT_EQ(header[45], "0.0,3");
  EXPECT_EQ(header[60], "2");

  const TRaceCard back = parsed(header);
  EXPECT_EQ(back.distance, 2400);
  EXPECT_EQ(back.development, card.development);
  EXPECT_EQ(back.runnerCount, 3);
  EXPECT_EQ(back.runner, card.runner);
  EXPECT_EQ(back.disregard, card.disregard);
  EXPECT_EQ(back.userRank, card.userRank);
  EXPECT_DOUBLE_EQ(back.winOdds[1], 3.5);
  EXPECT_DOUBLE_EQ(back.winOdds[2], 9999.0);

  std::vector<std::string> again = header;
  writeRaceHeader(back, again);
  EXPECT_EQ(again, header);
}

TEST(RaceHeader, OlderFormsReadWithTheirDefaults) {
  std::vector<std::string> header = emptyRaceHeader({});
  header[1] = "18";  // hundreds of metres
  header[2] = sj("中山");
  header[5] = "8";  // no development yet
  for (int k = 1; k <= 8; ++k) header[5 + k] = std::to_string(k);
  header[24] = "531";
  header[42] = "4.2";  // odds without the user's evaluation
  TRaceCard card = parsed(header);
  EXPECT_EQ(card.distance, 1800);
  EXPECT_EQ(card.runnerCount, 8);
  EXPECT_EQ(card.development, sj("逃げ先行有利"));
  EXPECT_EQ(card.disregard[1], (std::array<bool, 6>{false, true, false, true, false, true}));
  EXPECT_DOUBLE_EQ(card.winOdds[1], 4.2);
  EXPECT_EQ(card.userRank[1], 3);

  // The standard development of a long turf race at 東京 on good going.
  header[2] = sj("東京");
  header[1] = "2400";
  EXPECT_EQ(parsed(header).development, sj("展開不問"));
  header[4] = sj("不良");
  EXPECT_EQ(parsed(header).development, sj("逃げ先行有利"));

  // Fields are cut to their widths without splitting a character.
  header[2] = sj("あいうえお");
  header[4] = "x" + sj("稍重");
  EXPECT_EQ(parsed(header).course, sj("あいうえ"));
  EXPECT_EQ(parsed(header).going, "x" + sj("稍"));
  header[5] = "0," + sj("逃げ先行断然のつもり");
  EXPECT_EQ(parsed(header).development, sj("逃げ先行断然"));
}

TEST(RaceHeader, StrictFieldsThatAreNoNumbersAreRefusedWithTheirLine) {
  const std::vector<std::string> base = [] {
    std::vector<std::string> h = emptyRaceHeader({});
    h[5] = "3," + sj("展開不問");
    return h;
  }();
  auto with = [&](int line, std::string text) {
    std::vector<std::string> h = base;
    h[line - 1] = std::move(text);
    return h;
  };
  EXPECT_EQ(refusedAt(base), 0);
  EXPECT_EQ(refusedAt(with(6, "x," + sj("展開不問"))), 6);
  EXPECT_EQ(refusedAt(with(6, "")), 6);
  EXPECT_EQ(refusedAt(with(6, "19," + sj("展開不問"))), 6);
  EXPECT_EQ(refusedAt(with(6, "-1")), 6);
  EXPECT_EQ(refusedAt(with(9, "2a")), 9);   // slot 3 is in use
  EXPECT_EQ(refusedAt(with(10, "2a")), 0);  // slot 4 is not
  EXPECT_EQ(refusedAt(with(45, "1.5,")), 45);
  EXPECT_EQ(refusedAt(with(60, "1.5,x")), 60);
  EXPECT_EQ(refusedAt(with(44, "1.5,9")), 44);  // no such evaluation
  // Lenient fields degrade instead.
  EXPECT_EQ(parsed(with(2, "abc")).distance, 0);
  EXPECT_DOUBLE_EQ(parsed(with(43, "x,2")).winOdds[1], 0.0);

  std::vector<std::string> cut(base.begin(), base.begin() + 40);
  EXPECT_EQ(refusedAt(cut), 41);
}

}  // namespace
}  // namespace korvane
