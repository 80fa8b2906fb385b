// The views the prediction screen opens: the detail screen with the disregard dialog and the new
// prediction it asks for, the marks screen that leaves the race as it was, and the rankings that
// refuse a race nobody is marked in.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/database/store_files.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/views/dogai_form.hpp"
#include "gui/views/juni_form.hpp"
#include "gui/views/point_form.hpp"
#include "gui/views/shirushi_form.hpp"
#include "gui/views/shousai_form.hpp"
#include "gui/views/yosou_form.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;
using korvane::testing::onNextModal;
using korvane::testing::onNextModalOf;

namespace {

QListWidget* list(QWidget& window, const char* name) {
  return window.findChild<QListWidget*>(name);
}

QString cell(QWidget& window, const char* name, int row) {
  QListWidgetItem* item = list(window, name)->item(row);
  return item == nullptr ? QString() : item->text();
}

QStringList column(QWidget& window, const char* name) {
  QStringList items;
  for (int row = 0; row < list(window, name)->count(); ++row) items << cell(window, name, row);
  return items;
}

// A press on runner slot `slot` of a column of a runner table.
void press(QWidget& window, const char* name, int slot) {
  QListWidget* l = list(window, name);
  const int height = l->visualItemRect(l->item(0)).height();
  QTest::mousePress(l->viewport(), Qt::LeftButton, {}, QPoint(6, (slot - 1) * height + height / 2));
}

int selectedSlot(QWidget& window, const char* name) {
  const auto picked = list(window, name)->selectedItems();
  return picked.isEmpty() ? 0 : list(window, name)->row(picked.first()) + 1;
}

void click(QWidget& window, const char* name) {
  window.findChild<QPushButton*>(name)->click();
}

}  // namespace

class YosouViewsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world_;
  std::unique_ptr<TYosouForm> form_;

  AppState& app() { return world_->app; }
  QString text(const char* name) {
    if (auto* label = form_->findChild<QLabel*>(name)) return label->text();
    return form_->findChild<QLineEdit*>(name)->text();
  }
  // A new prediction starts from a blank result; a score planted here survives anything else.
  void plantScore() { app().result.runner[1].runScore[5] = 4321; }
  bool predictedAgain() { return app().result.runner[1].runScore[5] != 4321; }

  // Runs `visit` on the detail screen that 結果詳細 opens, and waits until it has closed.
  void visitDetail(const std::function<void(TShousaiForm&)>& visit) {
    bool visited = false;
    onNextModalOf<TShousaiForm>([&](TShousaiForm& shousai) {
      visit(shousai);
      visited = true;
      if (shousai.isVisible()) click(shousai, "TojiruBtn");
    });
    click(*form_, "ShousaiBtn");
    QVERIFY(visited);
  }
  // The second press on run `run` of the selected runner, answered in the disregard dialog.
  void answerDisregard(TShousaiForm& shousai, const char* runList, int slot, const char* answer) {
    onNextModalOf<TDogaiForm>([answer](TDogaiForm& dogai) { click(dogai, answer); });
    press(shousai, runList, slot);
  }

 private slots:
  void init() {
    world_ = std::make_unique<GuiWorld>();
    QVERIFY(loadPageZeroFile(app(), GuiWorld::sampleFile()));
    form_ = std::make_unique<TYosouForm>(app(), nullptr);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() {
    form_.reset();
    world_.reset();
  }

  void disregardedRunIsPredictedAgainAfterCompletion() {
    QCOMPARE(text("DogaishiLbl"), QString("なし"));
    plantScore();
    QString marked, selectedAfter, title;
    visitDetail([&](TShousaiForm& shousai) {
      press(shousai, "HyoukaLst1", 6);
      onNextModalOf<TDogaiForm>([&title](TDogaiForm& dogai) {
        title = dogai.findChild<QLabel*>("BameiLbl")->text();
        click(dogai, "ShiteiBtn");
      });
      press(shousai, "HyoukaLst1", 6);
      marked = cell(shousai, "HyoukaLst1", 5);
      selectedAfter = QString::number(selectedSlot(shousai, "HyoukaLst1"));
      click(shousai, "KanryouBtn");
    });
    QVERIFY(title.startsWith("ロードハート"));
    QCOMPARE(marked, QString("(度外)"));
    QCOMPARE(selectedAfter, QString("6"));
    QVERIFY(app().card.disregard[6][1]);
    QVERIFY(app().store.modified);
    QVERIFY(predictedAgain());
    QCOMPARE(text("DogaishiLbl"), QString("あり"));
    QCOMPARE(app().selectedRunner, 0);

    // Released in the next visit it reads (解除); 閉じる puts the flag back and asks for nothing.
    plantScore();
    QString released, againNextTime;
    visitDetail([&](TShousaiForm& shousai) {
      press(shousai, "HyoukaLst1", 6);
      answerDisregard(shousai, "HyoukaLst1", 6, "KaijoBtn");
      released = cell(shousai, "HyoukaLst1", 5);
    });
    QCOMPARE(released, QString("(解除)"));
    QVERIFY(app().card.disregard[6][1]);
    QVERIFY(!predictedAgain());
    QCOMPARE(text("DogaishiLbl"), QString("あり"));
    visitDetail([&](TShousaiForm& shousai) { againNextTime = cell(shousai, "HyoukaLst1", 5); });
    QCOMPARE(againNextTime, QString("(度外)"));
  }

  void releasingEveryRunAsksFirst() {
    app().card.disregard[3][2] = app().card.disregard[9][5] = true;
    plantScore();
    bool openAfterNo = false;
    visitDetail([&](TShousaiForm& shousai) {
      click(shousai, "AllKaijoBtn");  // いいえ
      openAfterNo = shousai.isVisible() && cell(shousai, "HyoukaLst2", 2) == QString("(度外)");
      world_->dialogs.confirmAnswers = {true};
      click(shousai, "AllKaijoBtn");
    });
    QVERIFY(openAfterNo);
    QCOMPARE(world_->dialogs.confirmations.size(), std::size_t{2});
    QVERIFY(!app().card.disregard[3][2] && !app().card.disregard[9][5]);
    QVERIFY(predictedAgain());
    QCOMPARE(text("DogaishiLbl"), QString("なし"));
  }

  void theSelectionComesBackFromTheDetailScreen() {
    press(*form_, "UmaLst", 4);
    QString detailSelection;
    visitDetail([&](TShousaiForm& shousai) {
      detailSelection = QString::number(selectedSlot(shousai, "UmaLst"));
      press(shousai, "ShirushiLst", 8);
    });
    // The detail screen starts without a selection; on return the prediction screen's own
    // selection stands again.
    QCOMPARE(detailSelection, QString("0"));
    QCOMPARE(selectedSlot(*form_, "KyakuLst"), 4);
    QCOMPARE(app().selectedRunner, 4);
  }

  void marksScreenLeavesTheRaceAsItWas() {
    const QStringList marks = column(*form_, "ShirushiLst"), styles = column(*form_, "KyakuLst");
    const std::string development = app().card.development;
    QStringList own, sashiDan;
    QString reliability, caption;
    onNextModalOf<TShirushiForm>([&](TShirushiForm& shirushi) {
      own = column(shirushi, "FumonLst");  // the sample race runs under 展開不問
      sashiDan = column(shirushi, "SashiDanLst");
      reliability = shirushi.findChild<QLineEdit*>("FumonEdt")->text();
      caption = shirushi.findChild<QLabel*>("ShinraiLbl")->text();
      click(shirushi, "TojiruBtn");
    });
    click(*form_, "ShirushiBtn");
    QCOMPARE(own.size(), 12);
    for (int row = 0; row < 12; ++row) {
      // " ◎ " on the prediction screen is " ◎" here.
      QCOMPARE(own[row], marks[row].left(2).replace(QString(" 　"), QString(" ")));
    }
    QVERIFY(sashiDan != own);
    QCOMPARE(reliability, QString("52%"));
    QCOMPARE(caption, QString("◎の信頼度"));
    QCOMPARE(column(*form_, "ShirushiLst"), marks);
    QCOMPARE(column(*form_, "KyakuLst"), styles);
    QCOMPARE(app().card.development, development);
    QCOMPARE(text("TenkaiLbl"), QString("標準"));
  }

  void rankingsNeedAMarkedHorse() {
    bool rankings = false;
    onNextModalOf<TJuniForm>([&rankings](TJuniForm& juni) {
      rankings = true;
      juni.reject();
    });
    click(*form_, "JuniBtn");
    QVERIFY(rankings);

    // The points window's 各値順位 goes on to the rankings.
    rankings = false;
    onNextModalOf<TPointForm>([&rankings](TPointForm& points) {
      onNextModalOf<TJuniForm>([&rankings](TJuniForm& juni) {
        rankings = true;
        juni.reject();
      });
      click(points, "JuniBtn");
    });
    click(*form_, "ShisuBtn");
    QTRY_VERIFY(rankings);

    // Nobody marked: the message, and no window either way.
    app().result.markCount = 0;
    const std::vector<std::string> nobody{sj("評価できる馬が１頭もいません。")};
    bool opened = false;
    onNextModal(
        [&opened](QWidget* modal) {
          opened = true;
          modal->close();
        },
        300);
    click(*form_, "JuniBtn");
    QTest::qWait(350);
    QVERIFY(!opened);
    QCOMPARE(world_->dialogs.messages.back(), nobody);

    world_->dialogs.messages.clear();
    rankings = false;
    onNextModalOf<TPointForm>([&rankings](TPointForm& points) {
      onNextModalOf<TJuniForm>(
          [&rankings](TJuniForm& juni) {
            rankings = true;
            juni.reject();
          },
          300);
      click(points, "JuniBtn");
    });
    click(*form_, "ShisuBtn");
    QTest::qWait(350);
    QVERIFY(!rankings);
    QCOMPARE(world_->dialogs.messages.size(), std::size_t{1});
    QCOMPARE(world_->dialogs.messages.back(), nobody);
  }
};

QTEST_MAIN(YosouViewsTest)
#include "yosou_views_test.moc"
