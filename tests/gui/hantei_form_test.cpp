// The judgement window shows what korvane-cli judge prints for the same race file, for every
// choice of 最大買い目数; its output button opens the output window on the judgement page.

#include "gui/betting/hantei_form.hpp"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/database/race_files.hpp"
#include "core/flows/store_files.hpp"
#include "core/flows/prediction.hpp"
#include "core/output/judgement_page.hpp"
#include "core/output/prediction_page.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"
#include "generator/bench.hpp"
#include "gui/output/output_form.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/list_texts.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;

namespace {

std::vector<std::string> listItems(QWidget& window, const char* name) {
  std::vector<std::string> lines;
  for (const QString& text : korvane::testing::listTexts(window, name)) {
    lines.push_back(fromQt(text).value_or("?"));
  }
  return lines;
}

// The lists as the window shows them, gathered as the output window gathers them.
BetLists shownBets(QWidget& window) {
  BetLists bets;
  bets.kaimeLbl = fromQt(window.findChild<QLabel*>("KaimeLbl")->text()).value_or("?");
  bets.sougou = listItems(window, "SougouLst");
  bets.kaime1 = listItems(window, "KaimeLst1");
  bets.kaime2 = listItems(window, "KaimeLst2");
  bets.kaime3 = listItems(window, "KaimeLst3");
  bets.tanshou = listItems(window, "TanshouLst");
  bets.fukushou = listItems(window, "FukushouLst");
  bets.wide = listItems(window, "WideLst");
  return bets;
}

// korvane-cli judge's page of the file, as the bytes a file would hold, line by line.
std::vector<std::string> cliPage(const std::filesystem::path& file, int maxBets) {
  QProcess cli;
  cli.start(KORVANE_CLI,
            {"judge", pathToQt(file), "--max", QString::number(maxBets), "--encoding", "cp932"});
  if (!cli.waitForFinished(20000) || cli.exitCode() != 0) return {};
  const QByteArray out = cli.readAllStandardOutput();
  std::vector<std::string> lines;
  for (const QByteArray& line : out.split('\n'))
    lines.emplace_back(line.chopped(line.endsWith('\r')));
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace

class HanteiFormTest : public QObject {
  Q_OBJECT

  GuiWorld world_;
  std::filesystem::path file_;

 private slots:
  // A generated field of nine or more runners with win odds, saved as a race file and loaded as
  // the program loads it.
  void initTestCase() {
    for (int i = 0; i < 300 && file_.empty(); i += 3) {
      const gen::RaceSet race = gen::benchRace(i);
      if (race.card.runnerCount < 9 || !race.card.oddsComplete) continue;
      file_ = world_.app.folders.race / "judge.uma";
      QVERIFY(world_.writer.writeLines(file_, raceFileLines(race.store, race.card)));
    }
    QVERIFY(!file_.empty());
    QVERIFY(loadPageZeroFile(world_.app, file_));
    world_.app.editedFile = file_;
    predictRace(world_.app);
  }

  void showsTheCliPageForEveryMaxBets() {
    THanteiForm form(world_.app, UserEvaluations::Neutral, nullptr);
    form.show();
    QCOMPARE(form.windowTitle(), qs("判定"));
    QCOMPARE(form.findChild<QLabel*>("KaimeLbl")->text(), qs("馬連"));
    QVERIFY(form.findChild<QRadioButton*>("MaxGrp6")->isChecked());
    QCOMPARE(form.findChild<QRadioButton*>("MaxGrp6")->text(), qs("７点（標準）"));
    QCOMPARE(form.findChild<QRadioButton*>("MaxGrp10")->text(), qs("11点"));
    QVERIFY(!listItems(form, "SKouhoLst").empty());
    const PageFrame frame = predictionPageFrame(world_.app);
    for (int maxBets = kMinBets; maxBets <= kMaxBets; ++maxBets) {
      auto* choice = form.findChild<QRadioButton*>(QString("MaxGrp%1").arg(maxBets - 1));
      // On the round button itself: the rest of a wide grid cell does not take clicks.
      QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
      QVERIFY(choice->isChecked());
      const std::vector<std::string> expected = cliPage(file_, maxBets);
      QVERIFY(!expected.empty());
      const std::vector<std::string> shown = judgementTextPage(shownBets(form), frame);
      QCOMPARE(shown.size(), expected.size());
      for (std::size_t i = 0; i < shown.size(); ++i) QCOMPARE(toQt(shown[i]), toQt(expected[i]));
    }
  }

  void listsSelectNothingAndOutputOpensOnTheJudgementPage() {
    THanteiForm form(world_.app, UserEvaluations::Neutral, nullptr);
    form.show();
    auto* sougou = form.findChild<QListWidget*>("SougouLst");
    QTest::mouseClick(sougou->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(sougou->selectedItems().isEmpty());

    QString caption;
    onNextModalOf<TOutputForm>([&caption](TOutputForm& output) {
      caption = output.windowTitle();
      output.findChild<QPushButton*>("ModoruBtn")->click();
    });
    form.findChild<QPushButton*>("OutputBtn")->click();
    QCOMPARE(caption, qs("総合判定結果の出力"));
  }
};

QTEST_MAIN(HanteiFormTest)
#include "hantei_form_test.moc"
