// The main window driven with real clicks: the kana search pad, entering runners from the horse
// list, the refusals of the runner list and 予想, and the question when the program closes.

#include "gui/app/main_form.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "gui/platform/qt_text.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "core/text/sjis.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;
using korvane::testing::q;

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* line : utf8) out.push_back(sj(line));
  return out;
}

QPoint rowCentre(QListView* list, int row) {
  return list->visualRect(list->model()->index(row, 0)).center();
}

void clickRow(QListView* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

// As the desktop sends it: a click, then the double click on the same spot.
void doubleClickRow(QListView* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

int topRow(QListView* list) {
  return list->indexAt(QPoint(4, 4)).row();
}

QString selectedText(QListView* list) {
  const auto rows = list->selectionModel()->selectedRows();
  return rows.isEmpty() ? QString() : rows.front().data().toString();
}

QStringList letters(const TMainForm& form) {
  QStringList captions;
  for (QPushButton* button : form.DanBtn) captions << button->text();
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

  void open() {
    form = std::make_unique<TMainForm>(world->app, MainFormOptions{.showTitle = false});
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->startupFinished();
  }

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

    QTest::mouseClick(form->KeyBtn[0], Qt::LeftButton);  // ア行
    QTest::mouseClick(form->DanBtn[0], Qt::LeftButton);  // ア
    QCOMPARE(form->SearchEdt->text(), q("ア"));
    QVERIFY(selectedText(form->UmaLst).startsWith(q("アイアン")));
    QCOMPARE(topRow(form->UmaLst), 0);

    QTest::mouseClick(form->DanBtn[1], Qt::LeftButton);  // イ
    QCOMPARE(form->SearchEdt->text(), q("アイ"));
    QTest::mouseClick(form->DanBtn[1], Qt::LeftButton);  // no アイイ: the first empty row
    QCOMPARE(form->SearchEdt->text(), q("アイイ"));
    QCOMPARE(world->app.currentHorse, 0);
    QCOMPARE(form->UmaLst->currentIndex().row(), world->app.store.count);

    QTest::mouseClick(form->BSBtn, Qt::LeftButton);
    QCOMPARE(form->SearchEdt->text(), q("アイ"));
    QTest::mouseClick(form->BSBtn, Qt::LeftButton);
    QCOMPARE(form->SearchEdt->text(), q("ア"));

    // サ lies further down: it is scrolled to the top row.
    QTest::mouseClick(form->SClearBtn, Qt::LeftButton);
    QTest::mouseClick(form->KeyBtn[2], Qt::LeftButton);
    QTest::mouseClick(form->DanBtn[0], Qt::LeftButton);
    QVERIFY(selectedText(form->UmaLst).startsWith(q("サクラ")));
    QCOMPARE(topRow(form->UmaLst), form->UmaLst->currentIndex().row());

    // Typed text is searched with 検索 (or Enter).
    form->SearchEdt->clear();
    QTest::sendKeyEvent(QTest::Click, form->SearchEdt, Qt::Key_unknown, q("イナ"), {});
    QTest::keyClick(form->SearchEdt, Qt::Key_Return);
    QVERIFY(selectedText(form->UmaLst).startsWith(q("イナリ")));
  }

  void dakutenCyclesTheLetters() {
    open();
    QTest::mouseClick(form->KeyBtn[1], Qt::LeftButton);  // カ行
    QTest::mouseClick(form->DakuBtn, Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({q("ガ"), q("ギ"), q("グ"), q("ゲ"), q("ゴ")}));
    QTest::mouseClick(form->DakuBtn, Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({q("カ"), q("キ"), q("ク"), q("ケ"), q("コ")}));

    QTest::mouseClick(form->KeyBtn[0], Qt::LeftButton);  // ア行
    QTest::mouseClick(form->DakuBtn, Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({q("ァ"), q("ィ"), q("ゥ"), q("ェ"), q("ォ")}));
    QTest::mouseClick(form->DakuBtn, Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({q("　"), q("　"), q("ヴ"), q("　"), q("　")}));
    QTest::mouseClick(form->DakuBtn, Qt::LeftButton);
    QCOMPARE(letters(*form), QStringList({q("ア"), q("イ"), q("ウ"), q("エ"), q("オ")}));
  }

  void aHorseClickedTwiceOrDoubleClickedRunsOnce() {
    addHorses({"アイネス", "カトレア", "サクラ"});
    open();
    doubleClickRow(form->UmaLst, 0);
    QCOMPARE(form->RunLst->count(), 1);
    clickRow(form->UmaLst, 1);
    QCOMPARE(form->RunLst->count(), 1);  // one click only makes it current
    clickRow(form->UmaLst, 1);
    QCOMPARE(form->RunLst->count(), 2);
    // A double click on the current horse: the click that begins it enters the horse.
    clickRow(form->UmaLst, 2);
    doubleClickRow(form->UmaLst, 2);
    QCOMPARE(form->RunLst->count(), 3);
    QVERIFY(world->dialogs.messages.empty());
    QVERIFY(form->RunLst->item(0)->text().startsWith(q("アイネス　　　　　 牡４")));
    QVERIFY(world->app.store.modified);

    // The same horse again is refused.
    doubleClickRow(form->UmaLst, 0);
    QCOMPARE(world->dialogs.messages.back(), lines({"その馬は、すでに出走馬に登録されています。"}));
    QCOMPARE(form->RunLst->count(), 3);
  }

  void theNineteenthRunnerIsRefused() {
    for (int i = 0; i < 19; ++i) addHorses({"ウマ"});
    for (int n = 1; n <= 18; ++n) addRunner(world->app.card, n);
    open();
    QCOMPARE(form->RunLst->count(), 18);
    const int outsider = 18;  // the 19th row: every horse has the same name, so index order
    doubleClickRow(form->UmaLst, outsider);
    QCOMPARE(world->dialogs.messages.back(), lines({"すでに出走馬に１８頭登録されています。"}));
    QCOMPARE(world->app.card.runnerCount, 18);

    world->app.currentHorse = world->app.store.order[outsider];
    QTest::mouseClick(form->ShussouBtn, Qt::LeftButton);
    QCOMPARE(world->dialogs.messages.size(), 2u);
    QCOMPARE(world->app.card.runnerCount, 18);
  }

  void enterButtonWalksDownAndAsksForAHorse() {
    addHorses({"アイネス", "カトレア"});
    open();
    QTest::mouseClick(form->ShussouBtn, Qt::LeftButton);
    QCOMPARE(world->dialogs.messages.back(), lines({"馬名をクリックしてからお願いします。"}));
    clickRow(form->UmaLst, 0);
    QTest::mouseClick(form->ShussouBtn, Qt::LeftButton);
    QTest::mouseClick(form->ShussouBtn, Qt::LeftButton);
    QCOMPARE(form->RunLst->count(), 2);
    QVERIFY(form->RunLst->item(1)->text().startsWith(q("カトレア")));

    // The arrow keys pick the horse under the highlight, without entering it.
    form->RunLst->clear();
    clearCard(world->app.card);
    clickRow(form->UmaLst, 0);
    QTest::keyClick(form->UmaLst, Qt::Key_Down);
    QCOMPARE(world->app.currentHorse, world->app.store.order[1]);
    QCOMPARE(world->app.card.runnerCount, 0);
    QTest::mouseClick(form->ShussouBtn, Qt::LeftButton);
    QVERIFY(form->RunLst->item(0)->text().startsWith(q("カトレア")));
  }

  void runnerButtonsMoveTheSelectedRunner() {
    addHorses({"アイネス", "カトレア", "サクラ"});
    for (int n = 1; n <= 3; ++n) addRunner(world->app.card, n);
    open();
    QTest::mouseClick(form->UpBtn, Qt::LeftButton);  // nothing selected: nothing moves
    QVERIFY(form->RunLst->item(0)->text().startsWith(q("アイネス")));

    QTest::mouseClick(form->RunLst->viewport(), Qt::LeftButton, {},
                      form->RunLst->visualItemRect(form->RunLst->item(2)).center());
    QTest::mouseClick(form->UpBtn, Qt::LeftButton);
    QVERIFY(form->RunLst->item(1)->text().startsWith(q("サクラ")));
    QCOMPARE(form->RunLst->currentRow(), 1);
    QTest::mouseClick(form->TorikeshiBtn, Qt::LeftButton);
    QCOMPARE(form->RunLst->item(1)->text(), q("（　出 　走 　取 　消　）"));
    QTest::mouseClick(form->HazusuBtn, Qt::LeftButton);
    QCOMPARE(form->RunLst->count(), 2);
    QVERIFY(form->RunLst->item(1)->text().startsWith(q("カトレア")));
    QCOMPARE(form->UmabanLst->item(1)->text(), q("２"));
    QCOMPARE(form->UmabanLst->count(), 18);
    QCOMPARE(form->UmabanLst->item(9)->text(), q("10"));
  }

  void predictionNeedsTwoRunners() {
    addHorses({"アイネス", "カトレア"});
    addRunner(world->app.card, 1);
    open();
    QCOMPARE(form->RaceLbl->text(), q("入力されていません"));
    QTest::mouseClick(form->YosouBtn, Qt::LeftButton);
    QCOMPARE(world->dialogs.messages.back(), lines({"出走馬に２頭以上登録してからお願いします。"}));
  }

  void deleteAsksAndTheNextHorseBecomesCurrent() {
    addHorses({"アイネス", "カトレア", "サクラ"});
    open();
    clickRow(form->UmaLst, 1);
    world->dialogs.confirmAnswers = {true};
    QTest::mouseClick(form->SakujoBtn, Qt::LeftButton);
    QCOMPARE(world->dialogs.confirmations.back().second, sj("を削除します。"));
    QCOMPARE(world->app.store.count, 2);
    QVERIFY(selectedText(form->UmaLst).startsWith(q("サクラ")));
  }

  void closingWithChangesAsksAndSaves() {
    addHorses({"アイネス", "カトレア"});
    open();
    doubleClickRow(form->UmaLst, 0);
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

  void hintsAndCaptions() {
    open();
    QCOMPARE(form->windowTitle(), q("コルバン"));
    QCOMPARE(form->ModeLbl->text(), q("標準"));
    QCOMPARE(form->FileLbl->text(), q("全競走馬"));
    QCOMPARE(form->YosouBtn->toolTip(),
             q("予想画面に行きます。レースコースが未入力の場合、入力画面になります。"));
    QCOMPARE(form->ModeLbl->toolTip(), form->ModeLbl2->toolTip());
    QVERIFY(!form->InUmaBtn->isEnabled());  // the name window is not there yet
    QCOMPARE(world->app.currentScreen, sj("メイン"));
  }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
