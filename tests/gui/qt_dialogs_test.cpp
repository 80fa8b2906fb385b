// The shared message, confirmation and wait windows and the file dialogs as the program shows
// them: sizes, placement over the screen in front, and the answers they give.

#include "gui/platform/qt_dialogs.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "gui/platform/qt_text.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/modal_driver.hpp"
#include "core/text/sjis.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;

namespace {

TWaitForm* waitWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* wait = qobject_cast<TWaitForm*>(widget); wait != nullptr && wait->isVisible()) {
      return wait;
    }
  }
  return nullptr;
}

}  // namespace

class QtDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void messageWindowFitsItsLines() {
    QtDialogs dialogs;
    int height = 0, buttonTop = 0;
    QString first, second;
    onNextModalOf<TPrintForm>([&](TPrintForm& form) {
      height = form.height();
      buttonTop = child<QPushButton>(form, "TojiruBtn")->y();
      first = child<QLabel>(form, "M1Lbl")->text();
      second = child<QLabel>(form, "M2Lbl")->text();
      QCOMPARE(form.windowTitle(), qs("コルバン"));
      QTest::mouseClick(child<QPushButton>(form, "TojiruBtn"), Qt::LeftButton);
    });
    dialogs.message({sj("馬名をクリックしてからお願いします。")});
    QCOMPARE(height, 77);
    QCOMPARE(buttonTop, 40);
    QCOMPARE(first, qs("馬名をクリックしてからお願いします。"));
    QVERIFY(second.isEmpty());

    onNextModalOf<TPrintForm>([&](TPrintForm& form) {
      height = form.height();
      buttonTop = child<QPushButton>(form, "TojiruBtn")->y();
      second = child<QLabel>(form, "M8Lbl")->text();
      form.accept();
    });
    dialogs.message({"1", "2", "3", "4", "5", "6", "7", "8"});
    QCOMPARE(height, 245);
    QCOMPARE(buttonTop, 208);
    QCOMPARE(second, qs("8"));
  }

  void confirmationCentresOnTheScreenInFrontAndAnswersOnlyYes() {
    GuiWorld world;
    QtDialogs dialogs;
    dialogs.attach(world.app);
    QWidget mainWindow, prediction;
    mainWindow.setGeometry(0, 0, 600, 400);
    prediction.setGeometry(300, 200, 400, 300);
    mainWindow.show();
    prediction.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prediction));
    dialogs.registerScreen(Screen::Main, &mainWindow);
    dialogs.registerScreen(Screen::Prediction, &prediction);
    world.app.currentScreen = Screen::Prediction;

    QPoint centre;
    QString lines;
    onNextModalOf<TKakuninForm>([&](TKakuninForm& form) {
      centre = form.frameGeometry().center();
      lines = child<QLabel>(form, "KakuninLbl")->text() + "/" +
              child<QLabel>(form, "KakuninLbl2")->text();
      QCOMPARE(form.windowTitle(), qs("確認"));
      QTest::mouseClick(child<QPushButton>(form, "HaiBtn"), Qt::LeftButton);
    });
    QVERIFY(dialogs.confirm(sj("全競走馬ファイル"), sj("は変更されています。保存しますか？")));
    QCOMPARE(lines, qs("全競走馬ファイル/は変更されています。保存しますか？"));
    QVERIFY((centre - prediction.frameGeometry().center()).manhattanLength() <=
            8);  // the frame is not known before it shows

    onNextModalOf<TKakuninForm>([](TKakuninForm& form) {
      QTest::mouseClick(child<QPushButton>(form, "IieBtn"), Qt::LeftButton);
    });
    QVERIFY(!dialogs.confirm("a", "b"));
    onNextModalOf<TKakuninForm>([](TKakuninForm& form) { QTest::keyClick(&form, Qt::Key_Escape); });
    QVERIFY(!dialogs.confirm("a", "b"));
  }

  void waitWindowShowsWithoutBlocking() {
    QtDialogs dialogs;
    {
      WaitWindow wait(dialogs, sj("    データを読み込んでいます"));
      TWaitForm* shown = waitWindow();
      QVERIFY(shown != nullptr);
      QCOMPARE(child<QLabel>(*shown, "MessageLbl")->text(), qs("    データを読み込んでいます"));
      QCOMPARE(shown->windowTitle(), qs("少しお待ち下さい"));
      QVERIFY(QApplication::overrideCursor() != nullptr);
    }
    QVERIFY(waitWindow() == nullptr);
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void fileDialogsTakeTheRequest() {
    QCOMPARE(qtNameFilters(sj("コルバンレースファイル(*.uma)|*.uma")),
             QStringList{qs("コルバンレースファイル(*.uma)")});
    QCOMPARE(qtNameFilters(sj("テキスト|*.txt;*.csv|全て(*.*)|*.*")),
             QStringList({qs("テキスト (*.txt *.csv)"), qs("全て(*.*)")}));

    GuiWorld world;
    QtDialogs dialogs;
    FileDialogRequest request;
    request.title = sj("レース保存");
    request.filter = sj("コルバンレースファイル(*.uma)|*.uma");
    request.defaultExtension = "uma";
    request.folder = world.app.folders.race;
    request.proposedName = u8"古い馬0903.uma";
    request.overwritePrompt = true;
    QString title, folder;
    onNextModalOf<QFileDialog>([&](QFileDialog& dialog) {
      title = dialog.windowTitle();
      folder = dialog.directory().absolutePath();
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    const auto chosen = dialogs.saveFile(request);
    QCOMPARE(title, qs("レース保存"));
    QCOMPARE(folder, pathToQt(world.app.folders.race));
    QVERIFY(chosen.has_value());
    QCOMPARE(pathToQt(*chosen), pathToQt(world.app.folders.race / u8"古い馬0903.uma"));

    onNextModalOf<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    QVERIFY(!dialogs.openFile(request).has_value());

    // A name typed into the open dialog that is not there comes back to the program, which
    // answers it with its own message; Qt's own warning never opens.
    int qtWarnings = 0;
    onNextModalOf<QFileDialog>([&qtWarnings](QFileDialog& dialog) {
      dialog.selectFile(qs("ないファイル.uma"));
      korvane::testing::onNextModal(
          [&qtWarnings](QWidget* warning) {
            ++qtWarnings;
            warning->close();
          },
          1000);
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    const auto typed = dialogs.openFile(request);
    QCOMPARE(qtWarnings, 0);
    QVERIFY(typed.has_value());
    QCOMPARE(pathToQt(typed->filename()), qs("ないファイル.uma"));
  }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
