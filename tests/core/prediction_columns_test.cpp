#include "core/views/prediction_columns.hpp"

#include <gtest/gtest.h>

#include "core/flows/prediction.hpp"
#include "core/views/index_strings.hpp"
#include "engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::EngineFixture;
using testing::PastRun;

TEST(IndexStrings, PointsWithRankMarks) {
  EXPECT_EQ(pointsCell(523, 1), "*52.3*");
  EXPECT_EQ(pointsCell(523, 2), "*52.3*");
  EXPECT_EQ(pointsCell(523, 3), "+52.3+");
  EXPECT_EQ(pointsCell(561, 5), "+56.1+");
  EXPECT_EQ(pointsCell(523, 6), " 52.3 ");
  // 50.0 and below never carry a mark, whatever the rank.
  EXPECT_EQ(pointsCell(500, 1), " 50.0 ");
  EXPECT_EQ(pointsCell(497, 1), " 49.7 ");
  EXPECT_EQ(pointsText(194), "19.4");
  EXPECT_EQ(pointsText(806), "80.6");
}

TEST(IndexStrings, LosePoints) {
  EXPECT_EQ(losePText(0), "0.0");
  EXPECT_EQ(losePText(5), "0.5");
  EXPECT_EQ(losePText(12), "1.2");
  EXPECT_EQ(losePText(99), "9.9");
  EXPECT_EQ(losePText(100), "9.9");
  EXPECT_EQ(losePText(150), "9.9");
  EXPECT_EQ(losePText(9999), "?.?");
  EXPECT_EQ(losePCell(0, 1), "*0.0*");
  EXPECT_EQ(losePCell(0, 9), "*0.0*");
  EXPECT_EQ(losePCell(150, 3), "+9.9+");
  EXPECT_EQ(losePCell(150, 6), " 9.9 ");
  EXPECT_EQ(losePCell(9999, 12), " ?.? ");
}

TEST(IndexStrings, FormStyleMarksAndReliability) {
  EXPECT_EQ(formCell(3, false), sj(" Ａ "));
  EXPECT_EQ(formCell(2, false), sj(" Ｂ "));
  EXPECT_EQ(formCell(2, true), sj(" ？ "));
  EXPECT_EQ(formCell(1, false), sj("-Ｃ-"));
  EXPECT_EQ(formCell(0, false), sj("/Ｄ/"));
  EXPECT_EQ(styleCell(sj("逃"), 2), sj("+逃+"));
  EXPECT_EQ(styleCell(sj("好"), 1), sj(" 好 "));
  EXPECT_EQ(styleCell(sj("追"), 0), sj("-追-"));
  const auto symbols = defaultSymbols();
  EXPECT_EQ(markSymbol(symbols, 1), sj("◎"));
  EXPECT_EQ(markSymbol(symbols, 5), sj("×"));
  EXPECT_EQ(markSymbol(symbols, 6), sj("注"));
  EXPECT_EQ(markSymbol(symbols, 7), sj("注"));
  EXPECT_EQ(markedCell(sj("▲")), sj(" ▲ "));
  EXPECT_EQ(unmarkedCell(500, 500, true, 9), sj(" ？ "));
  EXPECT_EQ(unmarkedCell(500, 500, false, 5), sj(" ？ "));
  EXPECT_EQ(unmarkedCell(500, 500, false, 6), sj(" 　 "));
  EXPECT_EQ(unmarkedCell(499, 520, true, 1), sj(" 　 "));
  EXPECT_EQ(unmarkedCell(520, 499, true, 1), sj(" 　 "));
  EXPECT_EQ(reliabilityText(42), sj(" 42％"));
}

TEST(PredictionColumns, OwnSymbolsAndTheDevelopmentLabel) {
  EngineFixture f;
  f.app.settings.symbols = {sj("本"), sj("対"), sj("単"), sj("連"), sj("下"), sj("穴")};
  f.runner("エー", {PastRun{.time = "1331", .corners = " 3 3 2", .last3F = 345, .finish = 1}});
  f.runner("ビー", {PastRun{.time = "1335", .corners = " 5 5 4", .last3F = 350, .finish = 3}});
  f.runner("");  // scratched
  predictRace(f.app);
  PredictionColumns c = buildPredictionColumns(f.app);
  // In a field of three every 負Ｐ rank is within the first five, so even the scratched slot's
  // 50.0 figures read as "not judged".
  EXPECT_EQ(c.mark, (std::vector<std::string>{sj(" 本 "), sj(" 対 "), sj(" ？ ")}));
  EXPECT_EQ(c.name[2], sj("（ 出 走 取 消 ） "));
  EXPECT_EQ(c.name[1].size(), 18u);
  EXPECT_EQ(c.form[2], sj(" ？ "));
  EXPECT_EQ(c.umaban.front(), sj("１"));
  EXPECT_EQ(c.umaban.back(), "18");
  EXPECT_EQ(c.development, sj("展開不問"));
  EXPECT_EQ(c.developmentLabel, sj("標準"));

  // Another development is the user's own; re-marking changes the style signs at once.
  f.app.card.development = sj("差し追込断然");
  remarkRace(f.app);
  c = buildPredictionColumns(f.app);
  EXPECT_EQ(c.developmentLabel, sj("独自"));
  EXPECT_EQ(c.style[0], sj(" 先 "));
  EXPECT_EQ(c.style[2], sj(" ？ "));
}

}  // namespace
}  // namespace korvane
