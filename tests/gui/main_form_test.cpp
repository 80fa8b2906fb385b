// The main window driven with real clicks: the kana search pad, entering runners from the horse
// list, the refusals of the runner list and 予想, and the question when the program closes.

#include "gui/app/main_form.hpp"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "core/database/store_files.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/window_place.hpp"
#include "gui/views/yosou_form.hpp"
#include "tests/gui/support/clicks.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/main_window.hpp"
#include "tests/gui/support/modal_driver.hpp"
#include "tests/support/dated_record.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::clickRow;
using korvane::testing::doubleClickRow;
using korvane::testing::menuItem;
using korvane::testing::datedRecord;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* line : utf8) out.push_back(sj(line));
  return out;
}

int topRow(QListView* list) {
  return list->indexAt(QPoint(4, 4)).row();
}

QString selectedText(QListView* list) {
  const auto rows = list->selectionModel()->selectedRows();
  return rows.isEmpty() ? QString() : rows.front().data().toString();
}

QString horseRow(QListView* list, int row) {
  return list->model()->index(row, 0).data().toString();
}

QStringList letters(const TMainForm& form) {
  QStringList captions;
  for (const char* name : {"AdanBtn", "IdanBtn", "UdanBtn", "EdanBtn", "OdanBtn"}) {
    captions << child<QPushButton>(form, name)->text();
  }
  return captions;
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world;
  std::unique_ptr<TMainForm> form;

  // Registered horses, in an order unlike their names' order.
  void addHorses(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      appendHorse(world->app.store, placeholderRecord(identityLine(sj(name), 4, sj("牡"))));
    }
    world->app.store.modified = false;
  }

  void open() { form = korvane::testing::openMainForm(world->app); }

 private slots:
  void init() { world = std::make_unique<GuiWorld>(); }
  void cleanup() {
    form.reset();
    world.reset();
  }

  void kanaPadSearchesByPrefix() {
    addHorses({"サクラ", "アカイ", "イナリ", "アイネス", "アイアン", "ガッツ"});
    for (int i = 0; i < 20; ++i) addHorses({"ワンダー"});  // enough rows to scroll
    open();

    QTest::mouseClick(child<QPushButton>(*form, "KeyABtn"), Qt::LeftButton);  // ア行
    QTest::mouseClick(child<QPushButton>(*form, "AdanBtn"), Qt::LeftButton);  // ア
    QCOMPARE(child<QLineEdit>(*form, "SearchEdt")->text(), qs("ア"));
    QVERIFY(selectedText(child<QListView>(*form, "UmaLst")).startsWith(qs("アイアン")));
    QCOMPARE(topRow(child<QListView>(*form, "UmaLst")), 0);

    QTest::mouseClick(child<QPushButton>(*form, "IdanBtn"), Qt::LeftButton);  // イ
    QCOMPARE(child<QLineEdit>(*form, "SearchEdt")->text(), qs("アイ"));
    QTest::mouseClick(child<QPushButton>(*form, "IdanBtn"),
                      Qt::LeftButton);  // no アイイ: the first empty row
    QCOMPARE(child<QLineEdit>(*form, "SearchEdt")->text(), qs("アイイ"));
    QCOMPARE(world->app.currentHorse, 0);
    QCOMPARE(child<QListView>(*form, "UmaLst")->currentIndex().row(), world->app.store.count);

    QTest::mouseClick(child<QPushButton>(*form, "BSBtn"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(*form, "SearchEdt")->text(), qs("アイ"));
    QTest::mouseClick(child<QPushButton>(*form, "BSBtn"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(*form, "SearchEdt")->text(), qs("ア"));

    // サ lies further down: it is scrolled to the top row.
    QTest::mouseClick(child<QPushButton>(*form, "SClearBtn"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*form, "KeySaBtn"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*form, "AdanBtn"), Qt::LeftButton);
    QVERIFY(selectedText(child<QListView>(*form, "UmaLst")).startsWith(qs("サクラ")));
    QCOMPARE(topRow(child<QListView>(*form, "UmaLst")),
             child<QListView>(*form, "UmaLst")->currentIndex().row());

    // Typed text is searched with 検索 (or Enter).
    child<QLineEdit>(*form, "SearchEdt")->clear();
    QTest::sendKeyEvent(QTest::Click, child<QLineEdit>(*form, "SearchEdt"), Qt::Key_unknown,
                        qs("イナ"), {});
    QTest::keyClick(child<QLineEdit>(*form, "SearchEdt"), Qt::Key_Return);
    QVERIFY(selectedText(child<QListView>(*form, "UmaLst")).startsWith(qs("イナリ")));
  }

  void dakutenCyclesTheLetters() {
    open();
    QTest::mouseClick(child<QPushButton>(*form, "KeyKaBtn"), Qt::LeftButton);  // カ行
    QTest::mouseClick(child<QPushButton>(*form, "DakuBtn"), Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({qs("ガ"), qs("ギ"), qs("グ"), qs("ゲ"), qs("ゴ")}));
    QTest::mouseClick(child<QPushButton>(*form, "DakuBtn"), Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({qs("カ"), qs("キ"), qs("ク"), qs("ケ"), qs("コ")}));

    QTest::mouseClick(child<QPushButton>(*form, "KeyABtn"), Qt::LeftButton);  // ア行
    QTest::mouseClick(child<QPushButton>(*form, "DakuBtn"), Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({qs("ァ"), qs("ィ"), qs("ゥ"), qs("ェ"), qs("ォ")}));
    QTest::mouseClick(child<QPushButton>(*form, "DakuBtn"), Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({qs("　"), qs("　"), qs("ヴ"), qs("　"), qs("　")}));
    QTest::mouseClick(child<QPushButton>(*form, "DakuBtn"), Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({qs("ア"), qs("イ"), qs("ウ"), qs("エ"), qs("オ")}));
  }

  void aHorseClickedTwiceOrDoubleClickedRunsOnce() {
    addHorses({"アイネス", "カトレア", "サクラ"});
    open();
    doubleClickRow(child<QListView>(*form, "UmaLst"), 0);
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 1);
    clickRow(child<QListView>(*form, "UmaLst"), 1);
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 1);  // one click only makes it current
    clickRow(child<QListView>(*form, "UmaLst"), 1);
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 2);
    // A double click on the current horse: the click that begins it enters the horse.
    clickRow(child<QListView>(*form, "UmaLst"), 2);
    doubleClickRow(child<QListView>(*form, "UmaLst"), 2);
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 3);
    QVERIFY(world->dialogs.messages.empty());
    QVERIFY(child<QListWidget>(*form, "RunLst")
                ->item(0)
                ->text()
                .startsWith(qs("アイネス　　　　　 牡４")));
    QVERIFY(world->app.store.modified);

    // The same horse again is refused.
    doubleClickRow(child<QListView>(*form, "UmaLst"), 0);
    QCOMPARE(world->dialogs.messages.back(), lines({"その馬は、すでに出走馬に登録されています。"}));
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 3);
  }

  void theNineteenthRunnerIsRefused() {
    for (int i = 0; i < 19; ++i) addHorses({"ウマ"});
    for (int n = 1; n <= 18; ++n) addRunner(world->app.card, n);
    open();
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 18);
    const int outsider = 18;  // the 19th row: every horse has the same name, so index order
    doubleClickRow(child<QListView>(*form, "UmaLst"), outsider);
    QCOMPARE(world->dialogs.messages.back(), lines({"すでに出走馬に１８頭登録されています。"}));
    QCOMPARE(world->app.card.runnerCount, 18);

    world->app.currentHorse = world->app.store.order[outsider];
    QTest::mouseClick(child<QPushButton>(*form, "ShussouBtn"), Qt::LeftButton);
    QCOMPARE(world->dialogs.messages.size(), 2u);
    QCOMPARE(world->app.card.runnerCount, 18);
  }

  void enterButtonWalksDownAndAsksForAHorse() {
    addHorses({"アイネス", "カトレア"});
    open();
    QTest::mouseClick(child<QPushButton>(*form, "ShussouBtn"), Qt::LeftButton);
    QCOMPARE(world->dialogs.messages.back(), lines({"馬名をクリックしてからお願いします。"}));
    clickRow(child<QListView>(*form, "UmaLst"), 0);
    QTest::mouseClick(child<QPushButton>(*form, "ShussouBtn"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*form, "ShussouBtn"), Qt::LeftButton);
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 2);
    QVERIFY(child<QListWidget>(*form, "RunLst")->item(1)->text().startsWith(qs("カトレア")));

    // The arrow keys pick the horse under the highlight, without entering it.
    child<QListWidget>(*form, "RunLst")->clear();
    clearCard(world->app.card);
    clickRow(child<QListView>(*form, "UmaLst"), 0);
    QTest::keyClick(child<QListView>(*form, "UmaLst"), Qt::Key_Down);
    QCOMPARE(world->app.currentHorse, world->app.store.order[1]);
    QCOMPARE(world->app.card.runnerCount, 0);
    QTest::mouseClick(child<QPushButton>(*form, "ShussouBtn"), Qt::LeftButton);
    QVERIFY(child<QListWidget>(*form, "RunLst")->item(0)->text().startsWith(qs("カトレア")));
  }

  void runnerButtonsMoveTheSelectedRunner() {
    addHorses({"アイネス", "カトレア", "サクラ"});
    for (int n = 1; n <= 3; ++n) addRunner(world->app.card, n);
    open();
    QTest::mouseClick(child<QPushButton>(*form, "UpBtn"),
                      Qt::LeftButton);  // nothing selected: nothing moves
    QVERIFY(child<QListWidget>(*form, "RunLst")->item(0)->text().startsWith(qs("アイネス")));

    clickRow(child<QListWidget>(*form, "RunLst"), 2);
    QTest::mouseClick(child<QPushButton>(*form, "UpBtn"), Qt::LeftButton);
    QVERIFY(child<QListWidget>(*form, "RunLst")->item(1)->text().startsWith(qs("サクラ")));
    QCOMPARE(child<QListWidget>(*form, "RunLst")->currentRow(), 1);
    QTest::mouseClick(child<QPushButton>(*form, "TorikeshiBtn"), Qt::LeftButton);
    QCOMPARE(child<QListWidget>(*form, "RunLst")->item(1)->text(), qs("（　出 　走 　取 　消　）"));
    QTest::mouseClick(child<QPushButton>(*form, "HazusuBtn"), Qt::LeftButton);
    QCOMPARE(child<QListWidget>(*form, "RunLst")->count(), 2);
    QVERIFY(child<QListWidget>(*form, "RunLst")->item(1)->text().startsWith(qs("カトレア")));
    QCOMPARE(child<QListWidget>(*form, "UmabanLst")->item(1)->text(), qs("２"));
    QCOMPARE(child<QListWidget>(*form, "UmabanLst")->count(), 18);
    QCOMPARE(child<QListWidget>(*form, "UmabanLst")->item(9)->text(), qs("10"));
  }

  void predictionNeedsTwoRunners() {
    addHorses({"アイネス", "カトレア"});
    addRunner(world->app.card, 1);
    open();
    QCOMPARE(child<QLabel>(*form, "RaceLbl")->text(), qs("入力されていません"));
    QTest::mouseClick(child<QPushButton>(*form, "YosouBtn"), Qt::LeftButton);
    QCOMPARE(world->dialogs.messages.back(), lines({"出走馬に２頭以上登録してからお願いします。"}));
  }

  void predictionAndBackLeaveTheWindowWhereItStood() {
    QVERIFY(loadPageZeroFile(world->app, GuiWorld::sampleFile()));
    open();
    form->move(201, 119);
    // On a desktop the window manager frames the window a moment after it shows.
    const auto mainFramed = [this] { return framed(*form); };
    (void)QTest::qWaitFor(mainFramed, 2000);
    const QPoint before = form->frameGeometry().topLeft();
    for (int round = 1; round <= 5; ++round) {
      QPoint screenAt;
      onNextModalOf<TYosouForm>([&screenAt](TYosouForm& yosou) {
        (void)QTest::qWaitFor([&yosou] { return framed(yosou); }, 2000);
        screenAt = yosou.frameGeometry().topLeft();
        child<QPushButton>(yosou, "ModoruBtn")->click();
      });
      QTest::mouseClick(child<QPushButton>(*form, "YosouBtn"), Qt::LeftButton);
      QCOMPARE(screenAt, before);
      QTRY_VERIFY(form->isVisible());
      (void)QTest::qWaitFor(mainFramed, 2000);
      QTRY_COMPARE(form->frameGeometry().topLeft(), before);
    }
  }

  void aFolderThatCannotBeOpenedIsNamed() {
    QUrl asked;
    form = std::make_unique<TMainForm>(
        world->app, MainFormOptions{.showTitle = false, .openUrl = [&asked](const QUrl& url) {
                                      asked = url;
                                      return false;
                                    }});
    for (QAction* item : child<QMenuBar>(*form, "MainMenu1")->findChildren<QAction*>()) {
      if (item->text() == qs("レースフォルダを開く")) item->trigger();
    }
    const auto folder = world->app.folders.data / "RaceFile";
    QCOMPARE(asked, QUrl::fromLocalFile(pathToQt(folder)));
    QCOMPARE(world->dialogs.messages.size(), std::size_t{1});
    QCOMPARE(toQt(world->dialogs.messages.back()[0]), qs("フォルダを開けませんでした。"));
    QCOMPARE(toQt(world->dialogs.messages.back()[1]), pathToQt(folder));
  }

  void deleteAsksAndTheNextHorseBecomesCurrent() {
    addHorses({"アイネス", "カトレア", "サクラ"});
    open();
    clickRow(child<QListView>(*form, "UmaLst"), 1);
    world->dialogs.confirmAnswers = {true};
    QTest::mouseClick(child<QPushButton>(*form, "SakujoBtn"), Qt::LeftButton);
    QCOMPARE(world->dialogs.confirmations.back().second, sj("を削除します。"));
    QCOMPARE(world->app.store.count, 2);
    QVERIFY(selectedText(child<QListView>(*form, "UmaLst")).startsWith(qs("サクラ")));
  }

  void closingWithChangesAsksAndSaves() {
    addHorses({"アイネス", "カトレア"});
    open();
    doubleClickRow(child<QListView>(*form, "UmaLst"), 0);
    world->dialogs.confirmAnswers = {true};
    QVERIFY(form->close());
    QCOMPARE(world->dialogs.confirmations.size(), 1u);
    QCOMPARE(world->dialogs.confirmations[0],
             std::make_pair(sj("全競走馬ファイル"), sj("は変更されています。保存しますか？")));
    const auto data = world->app.folders.data;
    QVERIFY(std::filesystem::exists(data / u8"全競走馬.um0"));
    QVERIFY(std::filesystem::exists(data / u8"馬並び順.um0"));
    QVERIFY(std::filesystem::exists(data / "korvane.ini"));
  }

  void maintenanceMenusAskThenChangeTheLists() {
    GuiWorld& w = *world;
    appendHorse(w.app.store, datedRecord(identityLine(sj("アイネス"), 9, sj("牡")), {"0501"}));
    appendHorse(w.app.store, datedRecord(identityLine(sj("カトレア"), 4, sj("牝")), {"0903"}));
    addRunner(w.app.card, 1);
    addRunner(w.app.card, 2);
    w.app.store.modified = false;
    open();
    auto* horses = child<QListView>(*form, "UmaLst");
    auto* runners = child<QListWidget>(*form, "RunLst");

    QAction* older = menuItem(*form, "全競走馬に歳を１つとらせる");
    QVERIFY(older != nullptr && older->isEnabled());
    older->trigger();  // いいえ
    QVERIFY(horseRow(horses, 0).endsWith(qs("牡９")));
    w.dialogs.confirmAnswers = {true};
    older->trigger();
    QCOMPARE(w.dialogs.confirmations.back().first, sj("全ての馬の歳をひとつ増やします。"));
    QVERIFY(horseRow(horses, 0).endsWith(qs("牡10")));
    QVERIFY(runners->item(0)->text().contains(qs("牡10")));
    w.dialogs.confirmAnswers = {true};
    menuItem(*form, "全競走馬の歳を１つもどす")->trigger();
    QVERIFY(horseRow(horses, 1).endsWith(qs("牝４")));

    menuItem(*form, "現在の登録馬数を見る")->trigger();
    QCOMPARE(w.dialogs.messages.back(), lines({"現在の登録馬数は、2頭です。"}));

    // March 2009: アイネス last ran in January 2005 and leaves for the race file.
    clickRow(horses, 1);
    w.dialogs.confirmAnswers = {true};
    w.dialogs.fileAnswers = {std::filesystem::path("old")};
    menuItem(*form, "ここ３年間レースに出走していない馬を移動")->trigger();
    QCOMPARE(w.dialogs.confirmations.back(),
             std::make_pair(sj("ここ３年間、レースに"), sj("出走していない馬を移動します。")));
    QCOMPARE(w.dialogs.messages.back(), lines({"古い馬を1頭、移動しました。"}));
    QVERIFY(std::filesystem::exists(w.app.folders.race / "old.uma"));
    QVERIFY(horseRow(horses, 0).startsWith(qs("カトレア")));
    QVERIFY(horseRow(horses, 1).isEmpty());
    QCOMPARE(runners->item(0)->text(), qs("（　出 　走 　取 　消　）"));
    QVERIFY(runners->item(1)->text().startsWith(qs("カトレア")));
    QCOMPARE(w.app.currentHorse, 0);
    QVERIFY(horses->selectionModel()->selectedRows().isEmpty());
  }

  void hintsAndCaptions() {
    open();
    QCOMPARE(form->windowTitle(), qs("コルバン"));
    QCOMPARE(child<QLabel>(*form, "ModeLbl")->text(), qs("標準"));
    QCOMPARE(child<QLabel>(*form, "FileLbl")->text(), qs("全競走馬"));
    QCOMPARE(child<QPushButton>(*form, "YosouBtn")->toolTip(),
             qs("予想画面に行きます。レースコースが未入力の場合、入力画面になります。"));
    QCOMPARE(child<QLabel>(*form, "ModeLbl")->toolTip(),
             child<QLabel>(*form, "ModeLbl2")->toolTip());
    // New horses join the all-horses set, which is edited.
    QVERIFY(child<QPushButton>(*form, "InUmaBtn")->isEnabled());
    QVERIFY(world->app.currentScreen == Screen::Main);
  }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
