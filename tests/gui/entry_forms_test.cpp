// Entering a horse's results through the real windows: 新しい馬 and the name window, the horse
// record editor and the past-run entry screen, then a prediction that includes the horse.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"
#include "gui/app/main_form.hpp"
#include "gui/entry/add_uma_form.hpp"
#include "gui/entry/help_form.hpp"
#include "gui/entry/in_name_form.hpp"
#include "gui/entry/in_uma_form.hpp"
#include "gui/views/yosou_form.hpp"
#include "tests/core/engine_test_horses.hpp"
#include "tests/gui/support/clicks.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/main_window.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::clickRow;
using korvane::testing::doubleClickRow;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;

namespace {

// A click on a list item: chooses it.
void pick(QWidget& form, const char* list, int row) {
  clickRow(child<QListWidget>(form, list), row);
}

// A double click as the desktop sends it: chooses the item and moves on to the next page.
void pickAndMoveOn(QWidget& form, const char* list, int row) {
  doubleClickRow(child<QListWidget>(form, list), row);
}

QString field(QWidget& form, const char* name) {
  return child<QLineEdit>(form, name)->text();
}

QString shownPage(QWidget& form) {
  QTabWidget* pages = child<QTabWidget>(form, "PageControl");
  return pages->currentWidget()->objectName();
}

// Answers the windows that open one after another, each by its own step, in order. A step may
// open the next window from its own action: the ticks go on inside that window's event loop.
struct Step {
  std::function<bool(QWidget*)> matches;
  std::function<void(QWidget*)> act;
};

class Script {
 public:
  explicit Script(std::vector<Step> steps) : steps_(std::move(steps)) { schedule(); }
  ~Script() { stopped_ = true; }
  bool finished() const { return next_ == steps_.size(); }

 private:
  void schedule() {
    QTimer::singleShot(1, &context_, [this] { tick(); });
  }
  void tick() {
    if (stopped_ || finished()) return;
    schedule();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || !steps_[next_].matches(modal)) return;
    steps_[next_++].act(modal);
  }
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool stopped_ = false;
  QObject context_;
};

template <class Window>
Step on(std::function<void(Window&)> act) {
  return {[](QWidget* modal) { return qobject_cast<Window*>(modal) != nullptr; },
          [act](QWidget* modal) { act(*qobject_cast<Window*>(modal)); }};
}

}  // namespace

class EntryFormsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world;
  std::unique_ptr<TMainForm> form;

  void open() { form = korvane::testing::openMainForm(world->app); }

 private slots:
  void init() { world = std::make_unique<GuiWorld>(); }
  void cleanup() {
    form.reset();
    world.reset();
  }

  void aNewHorseGetsItsRunsAndRunsInARace() {
    // Two rivals that met on 東京 in March 2009.
    testing::PastRun rival;
    rival.yymm = "0902";
    testing::addHorse(world->app.store, "アイネス", {rival});
    rival.finish = 2;
    testing::addHorse(world->app.store, "カトレア", {rival});
    world->app.store.modified = false;
    open();
    QWidget* main = form.get();

    bool mainHiddenInEditor = false;
    QString afterTwoRuns;
    Script script({
        on<TInNameForm>([](TInNameForm& name) {
          child<QLineEdit>(name, "NameEdt")->setText(qs("ゴカイ"));
          QTest::mouseClick(child<QPushButton>(name, "KanryouBtn"), Qt::LeftButton);
        }),
        on<TAddUmaForm>([&](TAddUmaForm& editor) {
          QCOMPARE(child<QLabel>(editor, "ChakuMem1")->text(), qs(" なし"));
          QTest::mouseClick(child<QPushButton>(editor, "AddBtn"), Qt::LeftButton);
        }),
        // The newer of the two runs first: 1着 at 中山, March 2009, turf 1600m, good, 1:34.5,
        // 3-3-2, 34.8.
        on<TInUmaForm>([](TInUmaForm& entry) {
          QCOMPARE(field(entry, "KeibajouEdt"), qs("東京"));
          pickAndMoveOn(entry, "ChakuLst", 0);
          QCOMPARE(shownPage(entry), QString("KeibajouSht"));
          pickAndMoveOn(entry, "KeibajouLst", 1);
          pick(entry, "TsukiLst", 2);
          QCOMPARE(field(entry, "KaisaibiEdt"), QString("'09/03"));
          pickAndMoveOn(entry, "TsukiLst", 2);
          QCOMPARE(shownPage(entry), QString("CourseSht"));
          pickAndMoveOn(entry, "KyoriLst", 9);
          pickAndMoveOn(entry, "BabaLst", 0);
          QCOMPARE(field(entry, "TokeiEdt"), QString("1.30.0"));
          pick(entry, "TokeiLst3", 4);
          pickAndMoveOn(entry, "TokeiLst4", 5);
          pick(entry, "IchiLst1", 2);
          pickAndMoveOn(entry, "IchiLst3", 1);
          QCOMPARE(field(entry, "IchiEdt"), QString("3.3.2"));
          pick(entry, "AgariLst2", 4);
          pickAndMoveOn(entry, "AgariLst3", 8);
          QCOMPARE(shownPage(entry), QString("KanryouSht"));
          QTest::mouseClick(child<QPushButton>(entry, "KanryouBtn2"), Qt::LeftButton);
        }),
        on<TAddUmaForm>([&](TAddUmaForm& editor) {
          mainHiddenInEditor = !main->isVisible();
          QTest::mouseClick(child<QPushButton>(editor, "Race2Btn"), Qt::LeftButton);
        }),
        // The older run into the empty slot 2: it starts from slot 1's place and month.
        on<TInUmaForm>([](TInUmaForm& entry) {
          QCOMPARE(field(entry, "KeibajouEdt"), qs("中山"));
          QCOMPARE(child<QLabel>(entry, "AtoLbl")->text(), QString("'09/03"));
          pick(entry, "ChakuLst", 3);
          child<QRadioButton>(entry, "KaisaiBtn")->click();
          pick(entry, "TsukiLst", 0);  // before March 2009: January 2009
          QCOMPARE(field(entry, "KaisaibiEdt"), QString("'09/01"));
          child<QRadioButton>(entry, "TokeiBtn")->click();
          QCOMPARE(field(entry, "TokeiEdt"), QString("0.40.0"));
          pick(entry, "TokeiLst1", 1);
          pick(entry, "TokeiLst2", 0);
          pick(entry, "IchiLst1", 1);
          QCOMPARE(field(entry, "IchiEdt"), QString("2.2.2"));
          QTest::mouseClick(child<QPushButton>(entry, "Button1"), Qt::LeftButton);
          QTest::mouseClick(child<QPushButton>(entry, "KanryouBtn"), Qt::LeftButton);
        }),
        on<TAddUmaForm>([&](TAddUmaForm& editor) {
          afterTwoRuns = child<QLabel>(editor, "RaceMem1")->text() + "|" +
                         child<QLabel>(editor, "RaceMem2")->text() + "|" +
                         child<QLabel>(editor, "KyakuLbl")->text();
          world->dialogs.confirmAnswers = {true, true};
          QTest::mouseClick(child<QPushButton>(editor, "SounyuBtn2"), Qt::LeftButton);
          QCOMPARE(child<QLabel>(editor, "ChakuMem2")->text(), qs(" なし"));
          QCOMPARE(child<QLabel>(editor, "ChakuMem3")->text(), qs(" 4着"));
          QTest::mouseClick(child<QPushButton>(editor, "SakujoBtn2"), Qt::LeftButton);
          QCOMPARE(child<QLabel>(editor, "ChakuMem2")->text(), qs(" 4着"));
          QTest::mouseClick(child<QPushButton>(editor, "UmaNameBtn"), Qt::LeftButton);
        }),
        on<TInNameForm>([](TInNameForm& name) {
          child<QLineEdit>(name, "NameEdt")->setText(qs("ミホノ"));
          QTest::mouseClick(child<QPushButton>(name, "KanryouBtn"), Qt::LeftButton);
        }),
        on<TAddUmaForm>([](TAddUmaForm& editor) {
          QVERIFY(child<QLabel>(editor, "NameLbl")->text().startsWith(qs("ミホノ")));
          QTest::mouseClick(child<QPushButton>(editor, "ToziruBtn"), Qt::LeftButton);
        }),
    });
    QTest::mouseClick(child<QPushButton>(*form, "InUmaBtn"), Qt::LeftButton);
    QTRY_VERIFY(script.finished());

    QVERIFY(mainHiddenInEditor);
    QVERIFY(form->isVisible());
    QVERIFY(world->app.currentScreen == Screen::Main);
    QCOMPARE(afterTwoRuns, qs("中山 '09/03 芝1600m(良)\n1.34.5(11.94)  3. 3. 2  34秒8|"
                              "中山 '09/01 芝800m(良)\n1.00.0(??.?"
                              "?)  2. 2. 2  ??秒?|先行"));
    const int horse = world->app.currentHorse;
    QCOMPARE(horseName(world->app.store, horse), fitBytesZen(sj("ミホノ"), 18));
    QCOMPARE(horseStyle(world->app.store, horse), sj("先"));
    QVERIFY(world->app.store.modified);

    // The renamed horse stands last by name in the list; two clicks make it a runner.
    QListView* horses = child<QListView>(*form, "UmaLst");
    QVERIFY(horses->model()->index(2, 0).data().toString().startsWith(qs("ミホノ")));
    for (int row : {0, 1, 2}) {
      const QPoint at = horses->visualRect(horses->model()->index(row, 0)).center();
      QTest::mouseClick(horses->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(horses->viewport(), Qt::LeftButton, {}, at);
    }
    QListWidget* runners = child<QListWidget>(*form, "RunLst");
    QCOMPARE(runners->count(), 3);
    QVERIFY(runners->item(2)->text().startsWith(qs("ミホノ")));
    QVERIFY(runners->item(2)->text().endsWith(qs("先")));

    world->app.card.distance = 1600;
    bool predicted = false;
    onNextModalOf<TYosouForm>([&](TYosouForm& yosou) {
      predicted = true;
      child<QPushButton>(yosou, "ModoruBtn")->click();
    });
    QTest::mouseClick(child<QPushButton>(*form, "YosouBtn"), Qt::LeftButton);
    QTRY_VERIFY(predicted);
    QCOMPARE(world->app.result.runner[3].raceStyle, sj("先"));
    QVERIFY(world->app.result.runner[3].abilityRank > 0);
  }

  void theRunnerListOpensTheRecordAndTheGuideClosesOnAClick() {
    testing::addHorse(world->app.store, "アイネス", {testing::PastRun{}});
    addRunner(world->app.card, 1);
    open();
    QTest::mouseClick(child<QPushButton>(*form, "AddBtn2"), Qt::LeftButton);
    QCOMPARE(world->dialogs.messages.back(),
             std::vector<std::string>{sj("出走馬名をクリックしてからお願いします。")});

    QString heading;
    onNextModalOf<TAddUmaForm>([&](TAddUmaForm& editor) {
      heading = child<QLabel>(editor, "ChakuMem1")->text();
      editor.reject();
    });
    QListWidget* runners = child<QListWidget>(*form, "RunLst");
    doubleClickRow(runners, 0);
    QTRY_COMPARE(heading, qs(" 1着"));

    bool guided = false;
    onNextModalOf<THelpForm>([&](THelpForm& help) {
      guided = help.windowTitle() == qs("ヘルプ（どこか画面をクリックすると閉じます）");
      QTest::mouseClick(
          child<QWidget>(help, "HelpMem")->findChild<QWidget*>("qt_scrollarea_viewport"),
          Qt::LeftButton);
    });
    for (QAction* action : form->findChild<QMenuBar*>("MainMenu1")->actions()) {
      if (action->text() == qs("はじめて使う方")) action->trigger();
    }
    QVERIFY(guided);

    // A race file is being edited: no new horses.
    world->app.editedFile = world->app.folders.race / "race.uma";
    form->refreshAll();
    QVERIFY(!child<QPushButton>(*form, "InUmaBtn")->isEnabled());
  }
};

QTEST_MAIN(EntryFormsTest)
#include "entry_forms_test.moc"
