// The odds windows: the input window, the win odds window and the quinella window, driven
// through their buttons with the figures typed into real input windows.

#include "gui/betting/odds_form.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "core/database/horse_record.hpp"
#include "core/database/race_card.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/sjis.hpp"
#include "gui/betting/input_form.hpp"
#include "gui/betting/inren_form.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/list_texts.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;
using korvane::testing::listTexts;
using korvane::testing::onNextModalOf;

namespace {

// Answers the next input windows in turn: a figure is typed and entered, nothing cancels.
void answerInputs(QList<std::optional<QString>> answers) {
  if (answers.isEmpty()) return;
  onNextModalOf<TInputForm>([answers](TInputForm& input) mutable {
    const std::optional<QString> answer = answers.takeFirst();
    answerInputs(answers);
    if (answer) {
      input.findChild<QLineEdit*>("InputEdt")->setText(*answer);
      input.findChild<QPushButton*>("NyuryokuBtn")->click();
    } else {
      input.findChild<QPushButton*>("CancelBtn")->click();
    }
  });
}

void click(QWidget& window, const char* name) {
  window.findChild<QPushButton*>(name)->click();
}

void pressRow(QWidget& window, const char* name, int row) {
  auto* list = window.findChild<QListWidget*>(name);
  const int height = window.findChild<SlotLists*>()->rowHeight();
  QTest::mousePress(list->viewport(), Qt::LeftButton, {}, QPoint(6, (row - 1) * height + 2));
}

// Counts the windows of one class that show, closing each at once, so that a window that should
// not open neither hangs the test nor goes unnoticed.
template <class Window>
class ShowWatch : public QObject {
 public:
  int shown = 0;
  ShowWatch() { qApp->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (auto* window = qobject_cast<Window*>(watched); window && event->type() == QEvent::Show) {
      ++shown;
      QTimer::singleShot(0, window, &Window::reject);
    }
    return false;
  }
};

}  // namespace

class OddsFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world_;
  PredictionColumns shown_;

  // A card of `runners` horses ウマ1, ウマ2, … without odds.
  void race(int runners) {
    world_ = std::make_unique<GuiWorld>();
    shown_ = {};
    for (int k = 1; k <= 18; ++k) shown_.umaban.push_back(slotNumber(k));
    for (int k = 1; k <= runners; ++k) {
      const std::string name = sj("ウマ") + std::to_string(k);
      addRunner(world_->app.card,
                appendHorse(world_->app.store, placeholderRecord(identityLine(name, 4, sj("牡")))));
      shown_.name.push_back(fitBytes(name, 18));
    }
  }

 private slots:
  void cleanup() { world_.reset(); }

  void inputWindowTakesTheWholeFigureOnAClick() {
    TInputForm input(sj("1 ウマ1の単勝オッズ"), "12.5", nullptr);
    input.show();
    auto* edit = input.findChild<QLineEdit*>("InputEdt");
    QCOMPARE(edit->selectedText(), qs("12.5"));
    edit->deselect();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
    QTRY_COMPARE(edit->selectedText(), qs("12.5"));
    click(input, "ClearBtn");
    QCOMPARE(edit->text(), QString());
    QTest::keyClicks(edit, "3");
    click(input, "NyuryokuBtn");
    QCOMPARE(input.result(), int(QDialog::Accepted));
    QCOMPARE(input.inputText(), qs("3"));

    answerInputs({std::nullopt});
    QCOMPARE(askValueOver(nullptr)("?", "1.0"), std::nullopt);
    answerInputs({qs("４．５")});
    QCOMPARE(askValueOver(nullptr)("?", ""), sj("４．５"));
  }

  void winOddsInSlotOrderUntilACancel() {
    race(4);
    scratch(world_->app.card, 2);
    TOddsForm odds(world_->app, shown_, nullptr);
    odds.show();
    QCOMPARE(listTexts(odds, "UmaLst").size(), 4);
    QCOMPARE(listTexts(odds, "UmaLst")[0], toQt(shown_.name[0]));
    QCOMPARE(listTexts(odds, "UmabanLst").size(), 18);

    answerInputs({qs("2.34"), qs("150.5"), std::nullopt});
    click(odds, "OddsInputBtn");
    QCOMPARE(listTexts(odds, "OddsLst"), (QStringList{"  2.3", "     ", "  150", "     "}));
    QCOMPARE(listTexts(odds, "NinkiLst"), (QStringList{" ", " ", " ", " "}));  // not complete yet
    QVERIFY(world_->app.store.modified);

    // A correction needs a row; the scratched runner's row cannot be taken.
    click(odds, "OddsChangeBtn");
    QCOMPARE(world_->dialogs.messages.back(),
             (std::vector<std::string>{sj("オッズを修正したい所を"),
                                       sj("クリックしてからお願いします。")}));
    pressRow(odds, "OddsLst", 2);
    QCOMPARE(odds.findChild<SlotLists*>()->selectedSlot(), 0);
    pressRow(odds, "NinkiLst", 4);
    answerInputs({qs("3")});
    click(odds, "OddsChangeBtn");
    QCOMPARE(listTexts(odds, "OddsLst")[3], qs("  3.0"));
    QCOMPARE(listTexts(odds, "NinkiLst"), (QStringList{"  1", " ??", "  3", "  2"}));
    QCOMPARE(odds.findChild<SlotLists*>()->selectedSlot(), 0);  // the last runner was corrected

    world_->dialogs.confirmAnswers = {false};
    click(odds, "OddsClearBtn");
    QCOMPARE(listTexts(odds, "OddsLst")[0], qs("  2.3"));
    world_->dialogs.confirmAnswers = {true};
    click(odds, "OddsClearBtn");
    QCOMPARE(listTexts(odds, "OddsLst"), (QStringList{"     ", "     ", "     ", "     "}));
  }

  void quinellaOddsGiveTheWinOdds() {
    race(3);
    TOddsForm odds(world_->app, shown_, nullptr);
    odds.show();
    onNextModalOf<TInRenForm>([](TInRenForm& quinella) {
      QCOMPARE(listTexts(quinella, "UmarenLst"), (QStringList{"１-２", "１-３", "２-３"}));
      answerInputs({qs("10"), qs("20"), qs("40")});
      click(quinella, "OddsInputBtn");
      QCOMPARE(listTexts(quinella, "OddsLst"), (QStringList{"  10.0", "  20.0", "  40.0"}));
      click(quinella, "KanryouBtn");
    });
    click(odds, "RenOddsBtn");
    QCOMPARE(listTexts(odds, "OddsLst"), (QStringList{"  3.2", "  6.3", " 12.6"}));
    QCOMPARE(listTexts(odds, "NinkiLst"), (QStringList{"  1", "  2", "  3"}));
    QVERIFY(world_->app.store.modified);
  }

  void scratchedRunnerBlocksTheQuinellaRoute() {
    race(5);
    scratch(world_->app.card, 5);
    TOddsForm odds(world_->app, shown_, nullptr);
    odds.show();
    ShowWatch<TInRenForm> quinella;
    click(odds, "RenOddsBtn");
    QCOMPARE(quinella.shown, 0);
    QCOMPARE(world_->dialogs.messages.back(),
             (std::vector<std::string>{sj("出走取消の馬がいるため"),
                                       sj("馬連オッズが入力できません。")}));
  }
};

QTEST_MAIN(OddsFormTest)
#include "odds_form_test.moc"
