// The output window: the method chosen in its group, the refused CSV form of the judgement page,
// and 出力 closing the window after printing or writing the page.

#include "gui/output/output_form.hpp"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/text/sjis.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/support/recording_printer.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;
using korvane::testing::RecordingPrinter;

namespace {

std::vector<std::string> page(OutputFormat format) {
  return {format == OutputFormat::Csv ? "csv" : "text", "KORVANE DATA 1997-2009"};
}

QRadioButton* method(QWidget& window, int item) {
  return window.findChild<QRadioButton*>(QString("HouhouGrp%1").arg(item));
}

}  // namespace

class OutputFormTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOnThePrinterWithThePagesCaption() {
    GuiWorld world;
    RecordingPrinter printer;
    TOutputForm form(world.app, OutputPage::PredictionTable, &page, nullptr, &printer);
    form.show();
    QCOMPARE(form.windowTitle(), qs("予想結果表の出力"));
    QVERIFY(method(form, 0)->isChecked());
    QCOMPARE(method(form, 0)->text(), qs("プリンタで印刷"));
    QCOMPARE(method(form, 2)->text(), qs("表計算ソフトで読み込める形（．ｃｓｖ）で出力"));
    QCOMPARE(method(form, 3)->text(), qs("ＰＤＦファイル（．ｐｄｆ）で出力"));

    form.findChild<QPushButton*>("ShutsuryokuBtn")->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
    QCOMPARE(printer.jobs.size(), std::size_t{1});
    QCOMPARE(printer.jobs[0].back(), sj("　KORVANE DATA 1997-2009"));
  }

  void csvOfTheJudgementFallsBackToText() {
    GuiWorld world;
    RecordingPrinter printer;
    TOutputForm form(world.app, OutputPage::Judgement, &page, nullptr, &printer);
    form.show();
    QCOMPARE(form.windowTitle(), qs("総合判定結果の出力"));
    QTest::mouseClick(method(form, 2), Qt::LeftButton);
    QVERIFY(method(form, 1)->isChecked());
    QCOMPARE(world.dialogs.messages.back(),
             (std::vector<std::string>{sj("このページ（総合判定結果の出力）は、"),
                                       sj("ＣＳＶ形式での出力に対応していません。")}));

    // 出力 closes the window even when the save dialog is cancelled.
    form.findChild<QPushButton*>("ShutsuryokuBtn")->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(world.dialogs.fileRequests.back().proposedName,
             std::filesystem::path("新しいファイル.txt"));

    TOutputForm again(world.app, OutputPage::Judgement, &page, nullptr, &printer);
    again.show();
    world.dialogs.fileAnswers.push_back(std::filesystem::path("買目"));
    QTest::mouseClick(method(again, 1), Qt::LeftButton);
    again.findChild<QPushButton*>("ShutsuryokuBtn")->click();
    QVERIFY(std::filesystem::exists(world.app.folders.desktop / "買目.txt"));
    QVERIFY(printer.jobs.empty());
  }

  void backClosesWithoutOutput() {
    GuiWorld world;
    RecordingPrinter printer;
    TOutputForm form(world.app, OutputPage::PredictionDetail, &page, nullptr, &printer);
    form.show();
    QCOMPARE(form.windowTitle(), qs("予想結果詳細の出力"));
    form.findChild<QPushButton*>("ModoruBtn")->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(printer.dialogs, 0);
  }
};

QTEST_MAIN(OutputFormTest)
#include "output_form_test.moc"
