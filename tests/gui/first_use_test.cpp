// A first use from the start of the program: the sample horses on the main window, a horse's
// record and its last run on the entry screen, 予想 on a race
// without a course opens the race conditions first and then the prediction screen, every view
// opens from there and closes again, and 戻る brings the main window back. With KORVANE_SCREENSHOTS set to a folder (scripts/screenshots,
// under Xvfb) the windows are saved there as PNG files on the way.

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/text/sjis.hpp"
#include "gui/app/main_form.hpp"
#include "gui/app/title_form.hpp"
#include "gui/engine/race_form.hpp"
#include "gui/entry/add_uma_form.hpp"
#include "gui/entry/in_uma_form.hpp"
#include "gui/engine/uchisoto_form.hpp"
#include "gui/platform/folders.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/views/shousai_form.hpp"
#include "gui/views/yosou_form.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/modal_driver.hpp"
#include "tests/gui/support/picture.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;
using korvane::testing::picture;

namespace {

// Plays the user on every window that comes up while 予想 runs: the race conditions (1800 m,
// the outer course if asked) and the prediction screen, which it leaves with 戻る.
struct User {
  QStringList seen;
  QTimer timer;
  User() {
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [this] { act(); });
    timer.start();
  }
  void act() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (auto* race = qobject_cast<TRaceForm*>(modal); race && !seen.contains("race")) {
      seen << "race";
      const auto found =
          child<QListWidget>(*race, "KyoriLst")->findItems(QString(" 1800m"), Qt::MatchExactly);
      if (!found.isEmpty()) child<QListWidget>(*race, "KyoriLst")->setCurrentItem(found.first());
      picture(*race, "race_conditions.png");
      child<QPushButton>(*race, "KanryouBtn")->click();
    } else if (auto* question = qobject_cast<TUchiSotoForm*>(modal)) {
      child<QPushButton>(*question, "SotoBtn")->click();
    } else if (auto* yosou = qobject_cast<TYosouForm*>(modal); yosou && !seen.contains("yosou")) {
      seen << "yosou";
      QTest::qWait(100);  // let the table paint
      picture(*yosou, "prediction.png");
      // Each view in turn, then back to the main window. The presses wait in windows of their
      // own, so they go from a timer of their own while this one answers the windows.
      QTimer::singleShot(0, yosou, [yosou] {
        for (const char* view : {"JuniBtn", "ShisuBtn", "GraphBtn", "ShousaiBtn", "ShirushiBtn",
                                 "UserBtn", "ModoruBtn"}) {
          yosou->findChild<QPushButton*>(view)->click();
        }
      });
    } else if (auto* shousai = qobject_cast<TShousaiForm*>(modal); shousai && !seen.contains("shousai")) {
      seen << "shousai";
      QTest::qWait(50);
      picture(*shousai, "detail.png");
      // A second press on the 前々走 of the 6th runner opens the disregard dialog.
      QTimer::singleShot(0, shousai, [shousai] {
        auto* runs = shousai->findChild<QListWidget*>("HyoukaLst2");
        const QPoint sixth = runs->visualItemRect(runs->item(5)).center();
        QTest::mousePress(runs->viewport(), Qt::LeftButton, {}, sixth);
        QTest::mousePress(runs->viewport(), Qt::LeftButton, {}, sixth);
        shousai->findChild<QPushButton*>("TojiruBtn")->click();
      });
    } else if (modal->objectName() != "ShousaiForm" && !seen.contains(modal->objectName())) {
      // Every other view: its picture, and 閉じる.
      const QString name = modal->objectName();
      const char* shots[][2] = {{"JuniForm", "rankings.png"},  {"PointForm", "points.png"},
                                {"GraphForm", "graph.png"},    {"DogaiForm", "disregard.png"},
                                {"ShirushiForm", "marks.png"}, {"UserForm", "user_evaluation.png"}};
      for (const auto& shot : shots) {
        if (name != shot[0]) continue;
        seen << name;
        QTest::qWait(50);
        picture(*modal, shot[1]);
        const char* close = name == "UserForm" ? "ToziruBtn" : "TojiruBtn";
        modal->findChild<QPushButton*>(close)->click();
      }
    }
  }
};

}  // namespace

class FirstUseTest : public QObject {
  Q_OBJECT

  QTemporaryDir home;
  QTemporaryDir program;

 private slots:
  void initTestCase() {
    // The screenshot script gives a fresh folder of its own; the test run makes one.
    if (qEnvironmentVariableIsEmpty("KORVANE_SCREENSHOTS")) {
      qputenv("XDG_DATA_HOME", home.path().toUtf8());
    }
  }

  void predictionFromTheFirstStart() {
    GuiWorld world;
    QVERIFY(startFolders(world.app, pathFromQt(program.path())).ok);
    TMainForm form(world.app, MainFormOptions{.titleTickMs = 50});
    form.show();
    QTRY_VERIFY(world.app.store.count > 0 &&
                qobject_cast<TTitleForm*>(QApplication::activeModalWidget()) == nullptr);
    QVERIFY(child<QListWidget>(form, "RunLst")->count() >= 2);
    // A horse picked on the way, as the user would before predicting.
    QTest::mouseClick(child<QListView>(form, "UmaLst")->viewport(), Qt::LeftButton, {},
                      child<QListView>(form, "UmaLst")
                          ->visualRect(child<QListView>(form, "UmaLst")->model()->index(2, 0))
                          .center());
    QTest::qWait(50);
    picture(form, "main_window.png");

    // Its record, and its last run on the entry screen, left with 戻る and 閉じる.
    bool recorded = false;
    onNextModalOf<TAddUmaForm>([&](TAddUmaForm& editor) {
      QTest::qWait(50);
      picture(editor, "record_editor.png");
      onNextModalOf<TInUmaForm>([&](TInUmaForm& entry) {
        child<QRadioButton>(entry, "CourseBtn")->click();
        QTest::qWait(50);
        picture(entry, "run_entry.png");
        recorded = true;
        child<QPushButton>(entry, "ModoruBtn")->click();
      });
      child<QPushButton>(editor, "Race1Btn")->click();
      child<QPushButton>(editor, "ToziruBtn")->click();
    });
    QTest::mouseClick(child<QPushButton>(form, "AddBtn"), Qt::LeftButton);
    QVERIFY(recorded);
    QTRY_VERIFY(form.isVisible());

    // A race whose course is not entered yet.
    world.app.card.distance = 0;
    form.refreshRaceLabel();
    QCOMPARE(child<QLabel>(form, "RaceLbl")->text(), qs("入力されていません"));

    User user;
    QTest::mouseClick(child<QPushButton>(form, "YosouBtn"), Qt::LeftButton);
    QCOMPARE(user.seen, QStringList({"race", "yosou", "JuniForm", "PointForm", "GraphForm",
                                     "shousai", "DogaiForm", "ShirushiForm", "UserForm"}));
    QCOMPARE(world.app.card.distance, 1800);
    QVERIFY(child<QLabel>(form, "RaceLbl")->text().contains(qs("芝1800m")));
    QVERIFY(world.app.store.modified);
    QTRY_VERIFY(form.isVisible());
    QVERIFY(world.app.currentScreen == Screen::Main);

    // 戻る on the race conditions stops 予想 before the prediction.
    world.app.card.distance = 0;
    onNextModalOf<TRaceForm>(
        [](TRaceForm& race) { child<QPushButton>(race, "ModoruBtn")->click(); });
    User none;
    none.seen << "race";
    QTest::mouseClick(child<QPushButton>(form, "YosouBtn"), Qt::LeftButton);
    QCOMPARE(none.seen, QStringList{"race"});
    QCOMPARE(world.app.card.distance, 0);
  }
};

QTEST_MAIN(FirstUseTest)
#include "first_use_test.moc"
