#include "core/output/prediction_page.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"
#include "core/views/race_label.hpp"
#include "tests/support/cp932_lines.hpp"
#include "tests/support/expect_page.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

using testing::sjLines;

// Three runners as the prediction screen shows them: a marked favourite, a runner without data
// and a scratched slot.
PredictionColumns smallCard() {
  PredictionColumns c;
  c.umaban = sjLines({"１", "２", "３"});
  c.name = sjLines({"ブルーウインド　　", "ミラクル  ローズ  ", "（ 出 走 取 消 ） "});
  c.mark = sjLines({" ◎ ", " 　 ", " 　 "});
  c.style = sjLines({"+逃+", " 好 ", " ？ "});
  c.ability = {"*56.1*", " 50.0 ", " 50.0 "};
  c.power = {"+53.2+", " 50.0 ", " 50.0 "};
  c.loseP = {"*0.0*", " ?.? ", " ?.? "};
  c.best = {"*61.0*", " 48.5 ", " 50.0 "};
  c.lastRun = {"*52.3*", " 47.9 ", " 50.0 "};
  c.allDistance = {"+51.0+", " 50.0 ", " 50.0 "};
  c.form = sjLines({" Ａ ", "/Ｄ/", " ？ "});
  c.reliability = sj(" 42％");
  c.development = sj("逃げ先行有利");
  c.developmentLabel = sj("標準");
  return c;
}

PageFrame frame(const std::string& fileLabelUtf8) {
  return PageFrame{sj("東京 芝1600m（良）"), sj(fileLabelUtf8), sj("◎の信頼度"),
                   sj("コルバン指数による印付け")};
}

TEST(RaceLabel, CourseSurfaceDistanceAndGoingOrNotEntered) {
  TRaceCard card;
  EXPECT_EQ(raceLabel(card), sj("入力されていません"));
  card.distance = 1600;
  EXPECT_EQ(raceLabel(card), sj("東京 芝1600m（良）"));
  card.course = sj("京都(外)");
  card.surface = sj("ダ");
  card.distance = 800;
  card.going = sj("不良");
  EXPECT_EQ(raceLabel(card), sj("京都(外) ダ800m（不良）"));
}

TEST(PredictionPage, TextPageByteForByte) {
  const auto page = predictionTextPage(smallCard(), frame("全競走馬"));
  EXPECT_PAGE(page,
              sjLines({
                  "東京 芝1600m（良）",
                  "",
                  "番 馬名　　　　　　　 印  脚質  能力   底力   負Ｐ ベスト  前走  全距離 近走",
                  "１ ブルーウインド　　 ◎  +逃+ *56.1* +53.2+ *0.0* *61.0* *52.3* +51.0+  Ａ ",
                  "２ ミラクル  ローズ   　   好   50.0   50.0   ?.?   48.5   47.9   50.0  /Ｄ/",
                  "３ （ 出 走 取 消 ）  　   ？   50.0   50.0   ?.?   50.0   50.0   50.0   ？ ",
                  "",
                  "◎の信頼度…42％",
                  "展開予想…逃げ先行有利",
                  "カスタマイズ…コルバン指数による印付け",
                  "",
                  "KORVANE DATA 1997-2009",
              }));
  // The header and the rows share their column edges: name 18 bytes, mark 4, style 4.
  EXPECT_EQ(page[2].find(sj("印")), page[3].find(sj("◎")));
}

TEST(PredictionPage, FileLabelFollowsTheRaceLabelUnlessAllHorses) {
  const auto page = predictionTextPage(smallCard(), frame("京都記念.uma"));
  EXPECT_EQ(page[0], sj("東京 芝1600m（良）　京都記念.uma"));
  // A spreadsheet reads the columns from the first row: no race label above them.
  const auto csv = predictionCsvPage(smallCard(), frame("京都記念.uma"));
  EXPECT_EQ(csv.front(), sj("番,馬名,印,脚質,能力,底力,負Ｐ,ベスト,前走,全距離,近走"));
  EXPECT_EQ(csv.back(), "KORVANE DATA 1997-2009");
}

TEST(PredictionPage, CsvCutsTheFieldsOutOfTheScreenStrings) {
  const auto page = predictionCsvPage(smallCard(), frame("全競走馬"));
  EXPECT_PAGE(page, sjLines({
                        "番,馬名,印,脚質,能力,底力,負Ｐ,ベスト,前走,全距離,近走",
                        "１,ブルーウインド　　,◎,逃,56.1,53.2,0.0,61.0,52.3,51.0,Ａ",
                        "２,ミラクル  ローズ  ,　,好,50.0,50.0,  0,48.5,47.9,50.0,Ｄ",
                        "３,（ 出 走 取 消 ） ,　,？,50.0,50.0,  0,50.0,50.0,50.0,？",
                        "",
                        "◎の信頼度…42％",
                        "展開予想…逃げ先行有利",
                        "カスタマイズ…コルバン指数による印付け",
                        "",
                        "KORVANE DATA 1997-2009",
                    }));
}

TEST(PredictionPage, EmptyTableStillHasHeaderSummaryAndFooter) {
  PredictionColumns none;
  none.reliability = sj(" 0％");
  none.development = sj("展開不問");
  const auto page = predictionTextPage(none, frame("全競走馬"));
  ASSERT_EQ(page.size(), 9u);
  EXPECT_EQ(page[3], "");
  EXPECT_EQ(page[4], sj("◎の信頼度…0％"));
  EXPECT_EQ(page[8], "KORVANE DATA 1997-2009");
}

TEST(PredictionPage, FrameOfTheProgramStateUsesTheFirstSymbolAndTheEditedFile) {
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app(dialogs, clock, writer);
  app.card.distance = 2400;
  app.settings.symbols[0] = sj("★");
  PageFrame f = predictionPageFrame(app);
  EXPECT_EQ(f.raceLabel, sj("東京 芝2400m（良）"));
  EXPECT_EQ(f.fileLabel, sj("全競走馬"));
  EXPECT_EQ(f.reliabilityCaption, sj("★の信頼度"));
  EXPECT_EQ(f.customFileLabel, sj("コルバン指数による印付け"));
  app.editedFile = "/races/" + std::string(reinterpret_cast<const char*>(u8"京都記念.uma"));
  EXPECT_EQ(predictionPageFrame(app).fileLabel, sj("京都記念.uma"));
  // In custom mode the summary names the rules in use, cut to 20 bytes as on screen.
  app.settings.shirushi = MarkingMode::Custom;
  app.custom.file =
      "/custom/" + std::string(reinterpret_cast<const char*>(u8"重賞用の逃げ馬重視ルール.umc"));
  EXPECT_EQ(predictionPageFrame(app).customFileLabel, sj("重賞用の逃げ馬重視ル"));
}

}  // namespace
}  // namespace korvane
