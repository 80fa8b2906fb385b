// The settings window (設定) and the custom marking window (カスタマイズ), opened from the main
// window and the prediction screen, driven with real clicks.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"
#include "gui/app/main_form.hpp"
#include "gui/custom/custom_form.hpp"
#include "gui/custom/set_up_form.hpp"
#include "gui/views/yosou_form.hpp"
#include "gui/platform/qt_text.hpp"
#include "tests/gui/support/clicks.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/list_texts.hpp"
#include "tests/gui/support/main_window.hpp"
#include "tests/gui/support/modal_driver.hpp"
#include "tests/gui/support/picture.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::clickRow;
using korvane::testing::closeIfOpen;
using korvane::testing::menuItem;
using korvane::testing::GuiWorld;
using korvane::testing::listTexts;
using korvane::testing::onNextModalOf;
using korvane::testing::picture;

namespace {

// Near the left edge: a radio item answers only on its circle and its caption, and a layout may
// make it wider than those.
void click(const QObject& window, const char* name) {
  auto* control = child<QAbstractButton>(window, name);
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
}

QString modeLabel(const TMainForm& form) {
  return child<QLabel>(form, "ModeLbl")->text();
}

QString labelText(const QWidget& window, const char* name) {
  return child<QLabel>(window, name)->text();
}

bool checked(const QWidget& window, const char* group, int item) {
  return child<QButtonGroup>(window, group)->button(item)->isChecked();
}

void clickItem(const QWidget& window, const char* group, int item) {
  QAbstractButton* radio = child<QButtonGroup>(window, group)->button(item);
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
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

  // 予想 on the main window; `act` is done on the prediction screen, which then closes.
  void onPredictionScreen(std::function<void(TYosouForm&)> act) {
    onNextModalOf<TYosouForm>([act](TYosouForm& yosou) {
      act(yosou);
      click(yosou, "ModoruBtn");
      closeIfOpen(yosou);
    });
    click(*mainForm, "YosouBtn");
  }

  // カスタマイズ on the prediction screen; `act` is done on the custom window.
  static void onCustomForm(TYosouForm& yosou, std::function<void(TCustomForm&)> act) {
    onNextModalOf<TCustomForm>([act](TCustomForm& custom) {
      act(custom);
      closeIfOpen(custom);
    });
    click(yosou, "CustomBtn");
  }

  // The sample race with its course set, so that 予想 goes straight to the prediction screen.
  void sampleRace() {
    QVERIFY(loadPageZeroFile(world->app, GuiWorld::sampleFile()));
    world->app.card.distance = 1800;
    mainForm->startupFinished();
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

  void customRulesSavedLoadedAndCommittedChangeTheMarks() {
    sampleRace();
    AppState& app = world->app;
    const std::filesystem::path file = app.folders.custom / "mine.umc";
    QStringList standardMarks;
    onPredictionScreen([&](TYosouForm& yosou) {
      standardMarks = listTexts(yosou, "ShirushiLst");
      QCOMPARE(labelText(yosou, "UmcFileLbl"), qs("コルバン指数による印付け"));

      // ◎ by 前走 among the 「-」 runners, saved, then left with 戻る: nothing changes.
      onCustomForm(yosou, [&](TCustomForm& custom) {
        QCOMPARE(labelText(custom, "UmcFileLbl"), qs("新カスタマイズ.umc"));
        picture(custom, "custom_marking.png");
        child<QTabWidget>(custom, "ShirushiPages")->setCurrentIndex(5);
        picture(custom, "custom_priorities.png");
        child<QTabWidget>(custom, "ShirushiPages")->setCurrentIndex(0);
        clickItem(custom, "AbilityGrp", 4);
        clickItem(custom, "KyakuGrp", 3);
        world->dialogs.fileAnswers = {app.folders.custom / "mine"};
        click(custom, "NewHozonBtn");
        QCOMPARE(labelText(custom, "UmcFileLbl"), qs("mine.umc"));
        click(custom, "ModoruBtn");
      });
      QVERIFY(std::filesystem::exists(file));
      QCOMPARE(app.custom.rules, defaultCustomRules());
      QCOMPARE(app.settings.shirushi, MarkingMode::Standard);
      QCOMPARE(listTexts(yosou, "ShirushiLst"), standardMarks);

      // The file read back and committed with 完了 marks the race by its rules.
      onCustomForm(yosou, [&](TCustomForm& custom) {
        QVERIFY(!checked(custom, "AbilityGrp", 4));
        world->dialogs.fileAnswers = {file};
        click(custom, "YomikomiBtn");
        QVERIFY(checked(custom, "AbilityGrp", 4));
        QVERIFY(checked(custom, "KyakuGrp", 3));
        click(custom, "KanryouBtn");
      });
      QCOMPARE(app.settings.shirushi, MarkingMode::Custom);
      QCOMPARE(app.custom.rules.sets[ruleSetFor(app.card.development)].marks[0].kind, 6);
      QCOMPARE(labelText(yosou, "UmcFileLbl"), qs("mine.umc"));
      QVERIFY(listTexts(yosou, "ShirushiLst") != standardMarks);
    });
    QCOMPARE(modeLabel(*mainForm), qs("カスタマイズ"));

    // 標準 brings back the standard marks and the label of the standard marking.
    onPredictionScreen([&](TYosouForm& yosou) {
      QVERIFY(listTexts(yosou, "ShirushiLst") != standardMarks);
      onCustomForm(yosou, [](TCustomForm& custom) { click(custom, "HyoujunBtn"); });
      QCOMPARE(listTexts(yosou, "ShirushiLst"), standardMarks);
      QCOMPARE(labelText(yosou, "UmcFileLbl"), qs("コルバン指数による印付け"));
    });
    QCOMPARE(app.settings.shirushi, MarkingMode::Standard);
    QCOMPARE(app.custom.file, newCustomFileName());
    QCOMPARE(modeLabel(*mainForm), qs("標準"));
  }

  void customWindowShowsTheEditCopy() {
    AppState& app = world->app;
    app.settings.symbols[0] = "AB";
    app.card.development = sj("差し追込断然");
    TCustomForm custom(app, mainForm.get());
    custom.show();
    QVERIFY(QTest::qWaitForWindowExposed(&custom));

    // The tabs carry the symbols of the settings; a 断然 development opens the 断然 set.
    auto* tabs = child<QTabWidget>(custom, "ShirushiPages");
    QCOMPARE(tabs->tabText(0), qs("AB"));
    QCOMPARE(tabs->tabText(5), qs("注"));
    QVERIFY(child<QAbstractButton>(custom, "DanzenBtn")->isChecked());
    QCOMPARE(child<QGroupBox>(custom, "LogicGrp")->title(), qs("○○○○断然の場合"));
    QVERIFY(checked(custom, "AbilityGrp", 3));  // set 2's ◎ is 30002: ベスト, 「+」
    QVERIFY(checked(custom, "KyakuGrp", 0));
    click(custom, "YuriBtn");
    QCOMPARE(child<QGroupBox>(custom, "LogicGrp")->title(), qs("○○○○有利＆不問の場合"));
    QVERIFY(checked(custom, "AbilityGrp", 1));  // set 1's ◎ is 11001: 底力, above 50.0

    // 底力上位の馬 on the ○ tab ticks its 底力 box, which then cannot be cleared.
    tabs->setCurrentIndex(1);
    clickItem(custom, "AbilityGrp2", 1);
    auto* power = child<QCheckBox>(custom, "Power50Btn2");
    QVERIFY(power->isChecked());
    click(custom, "Power50Btn2");
    QVERIFY(power->isChecked());
    clickItem(custom, "AbilityGrp2", 0);
    click(custom, "Power50Btn2");
    QVERIFY(!power->isChecked());

    // 注: the third row goes up and stays selected.
    tabs->setCurrentIndex(5);
    auto* rows = child<QListWidget>(custom, "NokoriLst");
    QCOMPARE(listTexts(custom, "NokoriLst").at(2), qs("ベストが５番目以内"));
    clickRow(rows, 2);
    click(custom, "UpBtn");
    QCOMPARE(listTexts(custom, "NokoriLst").at(1), qs("ベストが５番目以内"));
    QCOMPARE(rows->currentRow(), 1);
    QCOMPARE(listTexts(custom, "NumberLst").at(0), qs("１"));

    click(custom, "HelpBtn");
    QCOMPARE(world->dialogs.messages.back().front(), sj("１つのカスタマイズファイルで"));

    // 戻る: none of it reaches the rules in force.
    click(custom, "ModoruBtn");
    QVERIFY(!custom.isVisible());
    QCOMPARE(app.custom.rules, defaultCustomRules());
    QCOMPARE(app.settings.shirushi, MarkingMode::Standard);
  }
};

QTEST_MAIN(CustomFormsTest)
#include "custom_forms_test.moc"
