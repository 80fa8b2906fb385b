// The user evaluation screen over the sample race: the rows of the five classes, a click that
// moves a runner, the labels that follow the pointer, and リセット.

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/database/store_files.hpp"
#include "core/flows/prediction.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"
#include "gui/views/user_form.hpp"
#include "tests/gui/support/gui_world.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;

namespace {

const char* const kClasses[] = {"HyoukaALst", "HyoukaBLst", "HyoukaCLst", "HyoukaDLst",
                                "HyoukaELst"};
const QString kChosen("   ○"), kOther("   ・");

}  // namespace

class UserFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world_;
  std::unique_ptr<TUserForm> form_;

  AppState& app() { return world_->app; }
  QListWidget* list(const char* name) { return form_->findChild<QListWidget*>(name); }
  QString text(const char* name) { return form_->findChild<QLabel*>(name)->text(); }
  int rowHeight() { return list("UmaLst")->visualItemRect(list("UmaLst")->item(0)).height(); }
  QPoint rowPoint(int slot) { return QPoint(8, (slot - 1) * rowHeight() + rowHeight() / 2); }
  void press(const char* name, int slot) {
    QTest::mousePress(list(name)->viewport(), Qt::LeftButton, {}, rowPoint(slot));
  }
  // The pointer over a column without a button held, as the window system reports it.
  void hover(const char* name, int slot) {
    QWidget* viewport = list(name)->viewport();
    const QPoint at = rowPoint(slot);
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
  }
  // The class each runner is shown in, read off the five columns (0: none or more than one).
  QList<int> shownClasses() {
    QList<int> classes;
    for (int row = 0; row < list("UmaLst")->count(); ++row) {
      int shown = 0;
      for (int c = 1; c <= 5; ++c) {
        const QString item = list(kClasses[c - 1])->item(row)->text();
        if (item == kChosen) shown = shown == 0 ? c : -1;
        else if (item != kOther) shown = -1;
      }
      classes << shown;
    }
    return classes;
  }

 private slots:
  void init() {
    world_ = std::make_unique<GuiWorld>();
    QVERIFY(loadPageZeroFile(app(), GuiWorld::sampleFile()));
    predictRace(app());
    app().card.runner[5] = 0;  // 出走取消
    app().card.userRank[9] = 7;  // a number no class has, from a hand-edited race file
    form_ = std::make_unique<TUserForm>(app(), nullptr);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }
  void cleanup() {
    form_.reset();
    world_.reset();
  }

  void aClickPutsTheRunnerIntoTheClass() {
    QCOMPARE(shownClasses(), QList<int>(12, 3));  // everyone わからない, the odd number too
    press("UmaLst", 4);
    QCOMPARE(app().selectedRunner, 4);

    press("HyoukaALst", 2);
    press("HyoukaELst", 9);
    QList<int> expected(12, 3);
    expected[1] = 1;
    expected[8] = 5;
    QCOMPARE(shownClasses(), expected);
    QCOMPARE(app().card.userRank[2], 1);
    QVERIFY(app().store.modified);
    // The name selection lets go and 判定 has the focus.
    QCOMPARE(app().selectedRunner, 0);
    QVERIFY(list("UmaLst")->selectedItems().isEmpty());
    QCOMPARE(QApplication::focusWidget(), form_->findChild<QPushButton*>("HanteiBtn"));

    // A scratched runner and the rows below the runners stay as they are.
    app().store.modified = false;
    press("HyoukaBLst", 5);
    press("HyoukaBLst", 14);
    QCOMPARE(shownClasses(), expected);
    QCOMPARE(app().card.userRank[5], 3);
    QVERIFY(!app().store.modified);
  }

  void theLabelsFollowThePointer() {
    QCOMPARE(text("CursorLbl"), QString("カーソル位置"));
    QCOMPARE(text("SelectLbl"), QString("なし"));
    hover("HyoukaBLst", 3);
    QCOMPARE(text("CursorLbl"), QString("カーソル位置［上位必至］"));
    QCOMPARE(text("SelectLbl"), QString("3 メロディランプ　　"));
    QCOMPARE(list("HyoukaBLst")->currentRow(), 2);
    QCOMPARE(list("HyoukaBLst")->selectedItems().size(), 1);

    // Over another column the highlight moves with it; a scratched runner reads 出走取消.
    hover("HyoukaDLst", 5);
    QCOMPARE(text("CursorLbl"), QString("カーソル位置［たぶん下位］"));
    QCOMPARE(text("SelectLbl"), QString("5 出走取消　　　　　"));
    QVERIFY(list("HyoukaBLst")->selectedItems().isEmpty());

    // Below the last runner nothing is highlighted.
    hover("HyoukaDLst", 15);
    QCOMPARE(text("SelectLbl"), QString("なし"));
    QVERIFY(list("HyoukaDLst")->selectedItems().isEmpty());

    hover("HyoukaALst", 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(list("HyoukaALst"), &leave);
    QCOMPARE(text("CursorLbl"), QString("カーソル位置"));
    QCOMPARE(text("SelectLbl"), QString("なし"));
    QVERIFY(list("HyoukaALst")->selectedItems().isEmpty());
  }

  void resetAsksBeforeEveryoneGoesBack() {
    press("HyoukaALst", 1);
    press("HyoukaDLst", 2);
    const QList<int> before = shownClasses();
    form_->findChild<QPushButton*>("ResetBtn")->click();  // いいえ
    QCOMPARE(shownClasses(), before);
    QCOMPARE(app().card.userRank[1], 1);

    world_->dialogs.confirmAnswers = {true};
    form_->findChild<QPushButton*>("ResetBtn")->click();
    QCOMPARE(world_->dialogs.confirmations.back(),
             std::make_pair(sj("ユーザーの評価を"), sj("全て「わからない」に戻します。")));
    QCOMPARE(shownClasses(), QList<int>(12, 3));
    QCOMPARE(app().card.userRank[1], 3);
  }
};

QTEST_MAIN(UserFormTest)
#include "user_form_test.moc"
