// The rankings, points and graph windows over the sample race: the highlight of one horse in
// every list, the shared places of the points window and its way back to the rankings, and the
// bars of the graph as painted.

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/database/store_files.hpp"
#include "core/flows/prediction.hpp"
#include "core/flows/store_files.hpp"
#include "core/views/prediction_columns.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/views/graph_form.hpp"
#include "gui/views/juni_form.hpp"
#include "gui/views/point_form.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;

namespace {

const char* const kListNames[] = {"NouryokuLst", "PowerLst",  "MakePLst",    "BestLst",
                                     "ZensouLst",   "ZenkyoriLst", "ShirushiLst", "ShirushiLst2"};

int rowHeight(QListWidget* list) {
  return list->visualItemRect(list->item(0)).height();
}

void press(QListWidget* list, int row) {
  const int height = rowHeight(list);
  QTest::mousePress(list->viewport(), Qt::LeftButton, {}, QPoint(6, row * height + height / 2));
}

QString selected(QListWidget* list) {
  const auto picked = list->selectedItems();
  return picked.isEmpty() ? QString() : picked.first()->text();
}

}  // namespace

class RankingsFormsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world_;

  AppState& app() { return world_->app; }
  // The name of runner slot `slot` as every list writes it.
  QString name(int slot) {
    return toQt(buildPredictionColumns(app()).name[static_cast<std::size_t>(slot - 1)]);
  }

 private slots:
  void init() {
    world_ = std::make_unique<GuiWorld>();
    QVERIFY(loadPageZeroFile(app(), GuiWorld::sampleFile()));
    predictRace(app());
  }
  void cleanup() { world_.reset(); }

  void aClickedHorseIsMarkedInEveryListThatHoldsIt() {
    TJuniForm juni(app(), nullptr);
    juni.show();
    auto* ability = juni.findChild<QListWidget*>("NouryokuLst");
    QVERIFY(ability->count() >= 7);
    for (const char* list : kListNames) {
      QVERIFY(juni.findChild<QListWidget*>(list)->selectedItems().isEmpty());
    }

    // The horse below the line (row 6 is the 6th in 能力値 order) in every list.
    const int horse = app().result.abilityOrder.slot[5];
    press(ability, 6);
    int marked = 0;
    for (const char* listName : kListNames) {
      auto* list = juni.findChild<QListWidget*>(listName);
      bool holds = false;
      for (int row = 0; row < list->count(); ++row) {
        holds = holds || list->item(row)->text().contains(name(horse));
      }
      QCOMPARE(selected(list).contains(name(horse)), holds);
      QCOMPARE(selected(list).isEmpty(), !holds);
      marked += holds ? 1 : 0;
    }
    QVERIFY(marked >= 2);

    // A mark row moves the highlight to the marked horse; the line after the fifth lets go.
    auto* marks = juni.findChild<QListWidget*>("ShirushiLst");
    press(marks, 0);
    const int top = app().result.markOrder[0];
    QVERIFY(selected(ability).contains(name(top)));
    QVERIFY(selected(marks).contains(name(top)));
    press(ability, 5);
    QCOMPARE(ability->item(5)->text(), QString(26, '-'));
    for (const char* list : kListNames) {
      QVERIFY(juni.findChild<QListWidget*>(list)->selectedItems().isEmpty());
    }
    // So does the reliability line.
    press(marks, 1);
    auto* marks2 = juni.findChild<QListWidget*>("ShirushiLst2");
    press(marks2, marks2->count() - 1);
    QVERIFY(marks2->item(marks2->count() - 1)->text().startsWith(QString("（◎の信頼度は")));
    QVERIFY(ability->selectedItems().isEmpty() && marks->selectedItems().isEmpty());
  }

  void equalPointsShareAPlaceAndTheNextSkips() {
    const SlotOrder& order = app().result.korvaneOrder;
    app().result.runner[order.slot[2]].korvane = app().result.runner[order.slot[1]].korvane;
    TPointForm points(app(), nullptr);
    auto* list = points.findChild<QListWidget*>("PointLst");
    QCOMPARE(list->item(0)->text().left(2), QString("１位"));
    QCOMPARE(list->item(1)->text().left(2), QString("２位"));
    QCOMPARE(list->item(2)->text().left(2), QString("２位"));
    QCOMPARE(list->item(3)->text().left(2), QString("４位"));
    QCOMPARE(list->item(5)->text(), QString(42, '-'));
    // Twelve runners and two lines, row for row in all four lists.
    for (const char* side : {"PointLst", "BestLst", "MakePLst", "NSBestLst"}) {
      QCOMPARE(points.findChild<QListWidget*>(side)->count(), 14);
    }
  }

  void pointsLeadToTheGraphAndBackToTheRankings() {
    TPointForm points(app(), nullptr);
    bool graphShown = false;
    onNextModalOf<TGraphForm>([&graphShown](TGraphForm& graph) {
      graphShown = true;
      graph.findChild<QPushButton*>("TojiruBtn")->click();
    });
    points.show();
    points.findChild<QPushButton*>("GraphBtn")->click();
    QVERIFY(graphShown);
    QVERIFY(points.isVisible());

    QTimer::singleShot(0, &points, [&points] { points.findChild<QPushButton*>("JuniBtn")->click(); });
    QCOMPARE(points.exec(), TPointForm::kRankingsAsked);
    QTimer::singleShot(0, &points,
                       [&points] { points.findChild<QPushButton*>("TojiruBtn")->click(); });
    QCOMPARE(points.exec(), int(QDialog::Rejected));
  }

  void barsStartAbove38AndAreCutAtTheTop() {
    // The first column far above 62.8, the second at 38.0 exactly, the third at 38.1.
    const SlotOrder& order = app().result.korvaneOrder;
    app().result.runner[order.slot[0]].korvane = 700;
    app().result.runner[order.slot[1]].korvane = 380;
    app().result.runner[order.slot[2]].korvane = 381;
    TGraphForm graph(app(), nullptr);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    const QImage chart = graph.findChild<QWidget*>("ChartImg")->grab().toImage();
    QCOMPARE(chart.size(), QSize(328, 249));
    const QColor olive(0x80, 0x80, 0x00), grey(0x80, 0x80, 0x80);
    auto at = [&chart](int x, int y) { return chart.pixelColor(x, y); };
    // Column a spans x = 18a − 16 .. 18a with its outline; the texts stand left of x = 18a − 1.
    QCOMPARE(at(18 - 1, 2), grey);
    QCOMPARE(at(18 - 1, 240), grey);
    for (int y = 2; y < 248; ++y) QCOMPARE(at(36 - 1, y), olive);
    QCOMPARE(at(54 - 1, 247), QColor(Qt::white));  // one pixel of outline above the line
    QCOMPARE(at(54 - 1, 240), olive);
  }
};

QTEST_MAIN(RankingsFormsTest)
#include "rankings_forms_test.moc"
