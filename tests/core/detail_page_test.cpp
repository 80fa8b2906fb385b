#include "core/output/detail_page.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/sjis.hpp"
#include "tests/support/cp932_lines.hpp"
#include "tests/support/expect_page.hpp"

namespace korvane {
namespace {

using testing::sjLines;

// Three runners as the detail screen shows them: a marked favourite, an unmarked runner with a
// disregarded run and a scratched slot; the 穴馬度 column with odds entered.
DetailColumns smallCard() {
  DetailColumns c;
  for (int k = 1; k <= 18; ++k) c.umaban.push_back(slotNumber(k));
  c.name = sjLines({"ブルーウインド　　", "ミラクル  ローズ  ", "（ 出 走 取 消 ） "});
  c.mark = sjLines({" ◎ ", " 　 ", " 　 "});
  c.run[0] = sjLines({"*52.3*", "<注意>", " なし "});  // 前走
  c.run[1] = sjLines({"+50.8+", "(度外)", " なし "});
  c.run[2] = sjLines({" 50.0 ", "-47.9-", " なし "});
  c.run[3] = sjLines({" 他距 ", "(解除)", " なし "});
  c.run[4] = sjLines({" なし ", " なし ", " なし "});  // ５走前
  c.longshot = {" 58", " ", " "};
  return c;
}

PageFrame frame(const std::string& fileLabelUtf8) {
  return PageFrame{sj("東京 芝1600m（良）"), sj(fileLabelUtf8), sj("◎の信頼度"),
                   sj("コルバン指数による印付け")};
}

TEST(DetailPage, TextPageByteForByte) {
  EXPECT_PAGE(detailTextPage(smallCard(), frame("京都記念.uma")),
              sjLines({
                  "東京 芝1600m（良）　京都記念.uma",
                  "",
                  "番 馬名　　　　　　　 印 ５走前 ４走前 ３走前 前々走  前走  穴馬度",
                  "１ ブルーウインド　　 ◎  なし   他距   50.0  +50.8+ *52.3*   58",
                  "２ ミラクル  ローズ   　  なし  (解除) -47.9- (度外) <注意>   ",
                  "３ （ 出 走 取 消 ）  　  なし   なし   なし   なし   なし    ",
                  "",
                  "KORVANE DATA 1997-2009",
              }));
}

TEST(DetailPage, CsvReadsUnscoredRunsAsFiftyAndBlankLongshotAsZero) {
  EXPECT_PAGE(detailCsvPage(smallCard()),
              sjLines({
                  "番,馬名,印,５走前,４走前,３走前,前々走,前走,穴馬度",
                  "１,ブルーウインド　　,◎,50.0,50.0,50.0,50.8,52.3,58",
                  "２,ミラクル  ローズ  ,　,50.0,解除,47.9,度外,50.0, 0",
                  "３,（ 出 走 取 消 ） ,　,50.0,50.0,50.0,50.0,50.0, 0",
                  "",
                  "KORVANE DATA 1997-2009",
              }));
}

TEST(DetailPage, WithoutOddsTheLongshotColumnReadsAsZero) {
  DetailColumns c = smallCard();
  c.longshot = sjLines({" オ", " ッ", " ズ", " 未", " 入", " 力"});
  c.longshot.resize(18);
  const auto text = detailTextPage(c, frame("全競走馬"));
  EXPECT_EQ(text[3].substr(text[3].size() - 4), sj("  オ"));
  const auto csv = detailCsvPage(c);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(csv[row].substr(csv[row].size() - 3), ", 0");
}

}  // namespace
}  // namespace korvane
