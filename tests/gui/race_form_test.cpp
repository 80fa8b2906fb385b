// The race conditions window, its course question, the development choice and the progress of
// the prediction, driven with real clicks.

#include "gui/engine/race_form.hpp"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/flows/prediction.hpp"
#include "core/text/sjis.hpp"
#include "generator/bench.hpp"
#include "gui/engine/tenkai_form.hpp"
#include "gui/engine/think_form.hpp"
#include "gui/engine/uchisoto_form.hpp"
#include "gui/platform/qt_text.hpp"
#include "tests/gui/support/clicks.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::clickRow;
using korvane::testing::doubleClickRow;
using korvane::testing::closeIfOpen;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;

namespace {


int selectedRow(const QListWidget* list) {
  const auto rows = list->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

int rowOf(const QListWidget* list, const char* utf8) {
  const auto found = list->findItems(qs(utf8), Qt::MatchExactly);
  return found.isEmpty() ? -1 : list->row(found.front());
}

// Answers the inner-or-outer question whenever it opens, for as long as the test runs, and counts
// how often it was asked.
struct CourseQuestion {
  bool inner = false;
  int asked = 0;
  QTimer timer;

  CourseQuestion() {
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* question = qobject_cast<TUchiSotoForm*>(QApplication::activeModalWidget());
      if (question == nullptr || !question->isVisible()) return;
      ++asked;
      QTest::mouseClick(inner ? child<QPushButton>(*question, "UchiBtn")
                              : child<QPushButton>(*question, "SotoBtn"),
                        Qt::LeftButton);
    });
    timer.start();
  }
};

// The circles of the progress window each time they are painted, without repeats.
struct PaintedCircles : QObject {
  QStringList texts;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->objectName() == "WaitLbl") {
      const QString text = static_cast<QLabel*>(watched)->text();
      if (texts.isEmpty() || texts.back() != text) texts << text;
    }
    return false;
  }
};

}  // namespace

class RaceFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    world = std::make_unique<GuiWorld>();
    mainWindow = std::make_unique<QWidget>();
    mainWindow->setGeometry(100, 80, 800, 600);
    mainWindow->show();
  }
  void cleanup() {
    mainWindow.reset();
    world.reset();
  }

  void kyotoTurf1200IsTheInnerCourseWithoutAsking() {
    CourseQuestion question;
    AppState& app = world->app;
    TRaceForm form(app, mainWindow.get());
    QPoint centre;
    onNextModalOf<TRaceForm>([&centre](TRaceForm& f) {
      centre = f.frameGeometry().center();
      clickRow(child<QListWidget>(f, "KeibajouLst"),
               rowOf(child<QListWidget>(f, "KeibajouLst"), " 京都"));
      clickRow(child<QListWidget>(f, "CourseLst"), 0);
      clickRow(child<QListWidget>(f, "KyoriLst"),
               rowOf(child<QListWidget>(f, "KyoriLst"), " 1200m"));
      clickRow(child<QListWidget>(f, "JoutaiLst"),
               rowOf(child<QListWidget>(f, "JoutaiLst"), "●重"));
      QTest::mouseClick(child<QPushButton>(f, "KanryouBtn"), Qt::LeftButton);
      closeIfOpen(f);
    });
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    // Over the middle of the main window.
    QVERIFY((centre - mainWindow->frameGeometry().center()).manhattanLength() <= 2);
    QCOMPARE(question.asked, 0);
    QCOMPARE(app.card.course, sj("京都(内)"));
    QCOMPARE(app.card.surface, sj("芝"));
    QCOMPARE(app.card.distance, 1200);
    QCOMPARE(app.card.going, sj("重"));
    QCOMPARE(app.card.development, sj("逃げ先行有利"));
    QVERIFY(app.store.modified);
  }

  void kyotoTurf1600AsksAndStoresTheAnswer() {
    for (const bool inner : {true, false}) {
      CourseQuestion question;
      question.inner = inner;
      TRaceForm form(world->app, mainWindow.get());
      onNextModalOf<TRaceForm>([](TRaceForm& f) {
        clickRow(child<QListWidget>(f, "KeibajouLst"),
                 rowOf(child<QListWidget>(f, "KeibajouLst"), " 京都"));
        clickRow(child<QListWidget>(f, "KyoriLst"),
                 rowOf(child<QListWidget>(f, "KyoriLst"), " 1600m"));
        QTest::mouseClick(child<QPushButton>(f, "KanryouBtn"), Qt::LeftButton);
        closeIfOpen(f);
      });
      QCOMPARE(form.exec(), int(QDialog::Accepted));
      QCOMPARE(question.asked, 1);
      QCOMPARE(world->app.card.course, inner ? sj("京都(内)") : sj("京都(外)"));
    }
  }

  void questionWindowReadsAsGiven() {
    TUchiSotoForm question(mainWindow.get());
    QCOMPARE(question.windowTitle(), qs("内回りか?外回りか?"));
    QCOMPARE(child<QLabel>(question, "Label1")->text(), qs("どちらのコース？"));
    QCOMPARE(child<QPushButton>(question, "UchiBtn")->text(), qs("内回り"));
    QCOMPARE(child<QPushButton>(question, "SotoBtn")->text(), qs("外回り"));
    QVERIFY(!(question.windowFlags() & Qt::WindowSystemMenuHint));
    // Escaping the question keeps the outer course. The window is wide enough for its caption,
    // which its two buttons alone would not be.
    int width = 0;
    onNextModalOf<TUchiSotoForm>([&width](TUchiSotoForm& f) {
      width = f.width();
      f.reject();
    });
    question.exec();
    QVERIFY(!question.innerChosen());
    QVERIFY(width >= question.captionWidth());
  }

  void returningChangesNothing() {
    AppState& app = world->app;
    app.card.course = sj("東京");
    app.card.distance = 2000;
    app.card.going = sj("稍重");
    app.card.development = sj("差し追込断然");
    const TRaceCard before = app.card;
    TRaceForm form(app, mainWindow.get());
    QCOMPARE(form.windowTitle(), qs("レースコース入力"));
    onNextModalOf<TRaceForm>([](TRaceForm& f) {
      clickRow(child<QListWidget>(f, "KeibajouLst2"), 0);
      clickRow(child<QListWidget>(f, "KyoriLst2"), 3);
      QTest::mouseClick(child<QPushButton>(f, "ModoruBtn"), Qt::LeftButton);
      closeIfOpen(f);
    });
    QCOMPARE(form.exec(), int(QDialog::Rejected));
    QCOMPARE(app.card.course, before.course);
    QCOMPARE(app.card.distance, before.distance);
    QCOMPARE(app.card.surface, before.surface);
    QCOMPARE(app.card.going, before.going);
    QCOMPARE(app.card.development, before.development);
    QVERIFY(!app.store.modified);
  }

  void listsShowTheCardAndExcludeEachOther() {
    AppState& app = world->app;
    app.card.course = sj("名古屋");
    app.card.surface = sj("芝");
    app.card.distance = 1150;
    app.card.going = sj("不良");
    TRaceForm form(app, mainWindow.get());
    form.show();
    QCOMPARE(selectedRow(child<QListWidget>(form, "KeibajouLst")), -1);
    QCOMPARE(selectedRow(child<QListWidget>(form, "KeibajouLst3")),
             rowOf(child<QListWidget>(form, "KeibajouLst3"), " 名古"));
    QCOMPARE(selectedRow(child<QListWidget>(form, "CourseLst")), 0);
    QCOMPARE(selectedRow(child<QListWidget>(form, "KyoriLst")),
             rowOf(child<QListWidget>(form, "KyoriLst"), " 1150m"));
    QCOMPARE(selectedRow(child<QListWidget>(form, "JoutaiLst")),
             rowOf(child<QListWidget>(form, "JoutaiLst"), "■不良"));
    QCOMPARE(child<QListWidget>(form, "KyoriLst")->count(), 18);
    QCOMPARE(child<QListWidget>(form, "KyoriLst2")->item(0)->text(), qs(" 2500m"));

    // A local racecourse runs on dirt; the surface can still be switched back.
    clickRow(child<QListWidget>(form, "KeibajouLst2"),
             rowOf(child<QListWidget>(form, "KeibajouLst2"), " 岩見"));
    QCOMPARE(selectedRow(child<QListWidget>(form, "KeibajouLst3")), -1);
    QCOMPARE(selectedRow(child<QListWidget>(form, "CourseLst")), 1);
    clickRow(child<QListWidget>(form, "CourseLst"), 0);
    QCOMPARE(selectedRow(child<QListWidget>(form, "CourseLst")), 0);
    clickRow(child<QListWidget>(form, "KeibajouLst"), 0);
    QCOMPARE(selectedRow(child<QListWidget>(form, "KeibajouLst2")), -1);
    QCOMPARE(selectedRow(child<QListWidget>(form, "CourseLst")), 0);

    clickRow(child<QListWidget>(form, "KyoriLst2"), 0);
    QCOMPARE(selectedRow(child<QListWidget>(form, "KyoriLst")), -1);
    clickRow(child<QListWidget>(form, "KyoriLst"), 0);
    QCOMPARE(selectedRow(child<QListWidget>(form, "KyoriLst2")), -1);
  }

  void developmentWindowAnswersTheChoice() {
    AppState& app = world->app;
    app.card.development = sj("展開不問");
    app.store.modified = false;
    {
      TTenkaiForm form(app, mainWindow.get());
      QCOMPARE(form.windowTitle(), qs("展開予想の入力"));
      QCOMPARE(child<QPushButton>(form, "HyoujunBtn")->toolTip(),
               qs("「逃げ先行有利」にセットされます。"));
      QCOMPARE(selectedRow(child<QListWidget>(form, "TenkaiLst")), 2);
      // The first click moves the choice, a click on the chosen one confirms it.
      bool openAfterFirstClick = false;
      onNextModalOf<TTenkaiForm>([&openAfterFirstClick](TTenkaiForm& f) {
        clickRow(child<QListWidget>(f, "TenkaiLst"), 4);
        openAfterFirstClick = f.isVisible();
        clickRow(child<QListWidget>(f, "TenkaiLst"), 4);
        closeIfOpen(f);
      });
      QCOMPARE(form.exec(), int(QDialog::Accepted));
      QVERIFY(openAfterFirstClick);
      QCOMPARE(form.chosenDevelopment(), sj("差し追込断然"));
    }
    {
      TTenkaiForm form(app, mainWindow.get());
      onNextModalOf<TTenkaiForm>([](TTenkaiForm& f) {
        doubleClickRow(child<QListWidget>(f, "TenkaiLst"), 0);
        closeIfOpen(f);
      });
      QCOMPARE(form.exec(), int(QDialog::Accepted));
      QCOMPARE(form.chosenDevelopment(), sj("逃げ先行断然"));
    }
    {
      // 標準設定 for 東京 芝 2400m 良 is 展開不問, whatever was chosen before.
      app.card.course = sj("東京");
      app.card.surface = sj("芝");
      app.card.distance = 2400;
      app.card.going = sj("良");
      TTenkaiForm form(app, mainWindow.get());
      onNextModalOf<TTenkaiForm>([](TTenkaiForm& f) {
        clickRow(child<QListWidget>(f, "TenkaiLst"), 0);
        QTest::mouseClick(child<QPushButton>(f, "HyoujunBtn"), Qt::LeftButton);
        closeIfOpen(f);
      });
      QCOMPARE(form.exec(), int(QDialog::Accepted));
      QCOMPARE(form.chosenDevelopment(), sj("展開不問"));
    }
    // The window only answers; the prediction screen stores the choice.
    QCOMPARE(app.card.development, sj("展開不問"));
    QVERIFY(!app.store.modified);
  }

  void progressWindowRunsThePredictionToTheSameResult() {
    GuiWorld plain;
    gen::loadInto(world->app, gen::benchRace(3));
    gen::loadInto(plain.app, gen::benchRace(3));
    predictRace(plain.app);

    PaintedCircles painted;
    qApp->installEventFilter(&painted);
    predictWithProgress(world->app, mainWindow.get());
    qApp->removeEventFilter(&painted);
    QVERIFY(world->app.result == plain.app.result);
    // Painted at every step while the run held the event loop, from empty to full.
    QVERIFY(painted.texts.size() >= 8);
    QCOMPARE(painted.texts.front(), qs("○○○○○○○○○○"));
    QCOMPARE(painted.texts.back(), qs("●●●●●●●●●●"));
    QCOMPARE(TThinkForm(mainWindow.get()).windowTitle(), qs("少しお待ち下さい"));
    QVERIFY(world->app.result.runnerCount > 0);
    // The window is gone and the cursor is back.
    QVERIFY(QApplication::overrideCursor() == nullptr);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      QVERIFY(qobject_cast<TThinkForm*>(window) == nullptr);
    }
  }

 private:
  std::unique_ptr<GuiWorld> world;
  std::unique_ptr<QWidget> mainWindow;
};

QTEST_MAIN(RaceFormTest)
#include "race_form_test.moc"
