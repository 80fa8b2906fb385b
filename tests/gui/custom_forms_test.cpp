// The settings window (設定) and the custom marking window (カスタマイズ), opened from the main
// window and the prediction screen, driven with real clicks.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/text/sjis.hpp"
#include "gui/app/main_form.hpp"
#include "gui/custom/set_up_form.hpp"
#include "gui/platform/qt_text.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/main_window.hpp"
#include "tests/gui/support/modal_driver.hpp"
#include "tests/gui/support/picture.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModalOf;
using korvane::testing::picture;

namespace {

// Near the left edge: a radio item answers only on its circle and its caption, and a layout may
// make it wider than those.
void click(const QObject& window, const char* name) {
  auto* control = child<QAbstractButton>(window, name);
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
}

// A window the clicks did not close is closed with -1, so that the test fails instead of waiting.
void closeIfOpen(QDialog& window) {
  if (window.isVisible()) window.done(-1);
}

QAction* menuItem(const QWidget& form, const char* caption) {
  for (QAction* action : child<QMenuBar>(form, "MainMenu1")->findChildren<QAction*>()) {
    if (action->text() == qs(caption)) return action;
  }
  return nullptr;
}

QString modeLabel(const TMainForm& form) {
  return child<QLabel>(form, "ModeLbl")->text();
}

}  // namespace

class CustomFormsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world;
  std::unique_ptr<TMainForm> mainForm;

 private slots:
  void init() {
    world = std::make_unique<GuiWorld>();
    mainForm = korvane::testing::openMainForm(world->app);
  }
  void cleanup() {
    mainForm.reset();
    world.reset();
  }

  void settingsKeepTwoByteSymbolsAndTheModeLabelFollows() {
    Settings& settings = world->app.settings;
    QCOMPARE(modeLabel(*mainForm), qs("標準"));
    onNextModalOf<TSetUpForm>([](TSetUpForm& setUp) {
      // The window opens with the settings as they stand.
      QCOMPARE(setUp.windowTitle(), qs("設定"));
      QVERIFY(child<QCheckBox>(setUp, "KidouChk")->isChecked());
      QCOMPARE(child<QLineEdit>(setUp, "KigouEdt6")->text(), qs("注"));
      QVERIFY(child<QAbstractButton>(setUp, "ShirushiGrp0")->isChecked());
      QVERIFY(child<QAbstractButton>(setUp, "KaimeGrp1")->isChecked());
      picture(setUp, "settings.png");

      child<QCheckBox>(setUp, "KidouChk")->setChecked(false);
      child<QLineEdit>(setUp, "KigouEdt1")->setText("ABC");
      child<QLineEdit>(setUp, "KigouEdt2")->setText("A");
      child<QLineEdit>(setUp, "KigouEdt3")->clear();
      click(setUp, "ShirushiGrp1");
      click(setUp, "KaimeGrp3");
      click(setUp, "KanryouBtn");
      closeIfOpen(setUp);
    });
    click(*mainForm, "SetteiBtn");
    QVERIFY(!settings.load);
    QCOMPARE(settings.symbols[0], std::string("AB"));
    QCOMPARE(settings.symbols[1], std::string("A "));
    QCOMPARE(settings.symbols[2], sj("　"));
    QCOMPARE(settings.symbols[3], sj("△"));
    QCOMPARE(settings.shirushi, MarkingMode::Custom);
    QCOMPARE(settings.kaime, BetDisplay::OneAxis);
    QCOMPARE(modeLabel(*mainForm), qs("カスタマイズ"));

    // 戻る from the menu item: the window shows the stored symbols and changes nothing.
    onNextModalOf<TSetUpForm>([](TSetUpForm& setUp) {
      QCOMPARE(child<QLineEdit>(setUp, "KigouEdt2")->text(), qs("A "));
      QVERIFY(child<QAbstractButton>(setUp, "ShirushiGrp1")->isChecked());
      click(setUp, "ShirushiGrp0");
      click(setUp, "ModoruBtn");
      closeIfOpen(setUp);
    });
    menuItem(*mainForm, "環境などを設定")->trigger();
    QCOMPARE(settings.shirushi, MarkingMode::Custom);
    QCOMPARE(modeLabel(*mainForm), qs("カスタマイズ"));
  }

  void settingsRefuseWhatShiftJisCannotHold() {
    onNextModalOf<TSetUpForm>([](TSetUpForm& setUp) {
      child<QLineEdit>(setUp, "KigouEdt4")->setText(QString::fromUtf8("한"));
      click(setUp, "KanryouBtn");
      // Refused: the window stays for the user to correct the symbol.
      QVERIFY(setUp.isVisible());
      closeIfOpen(setUp);
    });
    click(*mainForm, "SetteiBtn");
    QCOMPARE(world->dialogs.messages.size(), std::size_t{1});
    QCOMPARE(world->app.settings.symbols[3], sj("△"));
  }

  void standardSettingsAfterTheQuestion() {
    Settings& settings = world->app.settings;
    settings.load = false;
    settings.symbols[0] = "AB";
    settings.shirushi = MarkingMode::Custom;
    settings.kaime = BetDisplay::Box;
    settings.left = 40;
    mainForm->startupFinished();
    QCOMPARE(modeLabel(*mainForm), qs("カスタマイズ"));

    // いいえ keeps everything and the window open; はい restores the defaults and closes it.
    world->dialogs.confirmAnswers = {false, true};
    bool openAfterNo = false;
    onNextModalOf<TSetUpForm>([&openAfterNo](TSetUpForm& setUp) {
      click(setUp, "HyoujunBtn");
      openAfterNo = setUp.isVisible();
      click(setUp, "HyoujunBtn");
      closeIfOpen(setUp);
    });
    click(*mainForm, "SetteiBtn");
    QVERIFY(openAfterNo);
    QCOMPARE(world->dialogs.confirmations.back(),
             std::make_pair(sj("設定を全て標準に戻します。"), sj("よろしいですか？")));
    QVERIFY(settings.load);
    QCOMPARE(settings.symbols, defaultSymbols());
    QCOMPARE(settings.shirushi, MarkingMode::Standard);
    QCOMPARE(settings.kaime, BetDisplay::Standard);
    QCOMPARE(settings.left, 40);
    QCOMPARE(modeLabel(*mainForm), qs("標準"));
  }
};

QTEST_MAIN(CustomFormsTest)
#include "custom_forms_test.moc"
