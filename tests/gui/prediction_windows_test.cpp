// The odds, judgement and output windows as the prediction screen opens them.

#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"
#include "gui/betting/hantei_form.hpp"
#include "gui/betting/odds_form.hpp"
#include "gui/output/output_form.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/views/shousai_form.hpp"
#include "gui/views/user_form.hpp"
#include "gui/views/yosou_form.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/list_texts.hpp"
#include "tests/gui/support/modal_driver.hpp"
#include "tests/gui/support/picture.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::GuiWorld;
using korvane::testing::listTexts;
using korvane::testing::onNextModal;
using korvane::testing::picture;

namespace {
}  // namespace

class PredictionWindowsTest : public QObject {
  Q_OBJECT

  GuiWorld world_;
  std::unique_ptr<TYosouForm> form_;

  // Clicks a button of the prediction screen and hands the window it opens to `inspect`, which
  // closes it; the window's class name, or nothing when none opened.
  QString open(const char* button, std::function<void(QWidget&)> inspect) {
    QString opened;
    onNextModal([&](QWidget* window) {
      opened = window->metaObject()->className();
      inspect(*window);
      window->close();
    });
    form_->findChild<QPushButton*>(button)->click();
    return opened;
  }

 private slots:
  // The sample race (twelve runners) on the prediction screen.
  void initTestCase() {
    QVERIFY(loadPageZeroFile(world_.app, GuiWorld::sampleFile()));
    world_.app.editedFile = GuiWorld::sampleFile();
    form_ = std::make_unique<TYosouForm>(world_.app, nullptr);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanupTestCase() { form_.reset(); }

  void oddsWindowShowsTheScreensRunners() {
    const double odds[] = {0, 12.4, 35.2, 8.1, 96.3, 5.6, 2.8, 18.9, 3.9, 25.0, 150.7, 7.4, 44.6};
    for (int k = 1; k <= world_.app.card.runnerCount; ++k) world_.app.card.winOdds[k] = odds[k];
    QStringList names;
    const QString opened = open("OddsBtn", [&](QWidget& window) {
      QCOMPARE(window.windowTitle(), qs("オッズの入力"));
      names = listTexts(window, "UmaLst");
      QCOMPARE(listTexts(window, "NinkiLst")[5], QString("  1"));  // the 2.8 of slot 6
      picture(window, "odds.png");
    });
    QCOMPARE(opened, QString("korvane::gui::TOddsForm"));
    QCOMPARE(names, listTexts(*form_, "UmaLst").mid(0, world_.app.card.runnerCount));
  }

  void kaimeJudgesWithoutTheUsersClasses() {
    world_.app.card.userRank[1] = 1;  // 絶対連絡む: left aside by コルバンの買い目
    QStringList kouho;
    const QString opened = open("KaimeBtn", [&](QWidget& judgement) {
      QCOMPARE(judgement.windowTitle(), qs("判定"));
      kouho = listTexts(judgement, "UKouhoLst");
      picture(judgement, "judgement.png");
    });
    QCOMPARE(opened, QString("korvane::gui::THanteiForm"));
    QVERIFY(kouho.isEmpty());
    QCOMPARE(world_.app.card.userRank[1], 1);
    world_.app.card.userRank[1] = 3;
  }

  void detailOutputOpensOnTheDetailPage() {
    TShousaiForm detail(world_.app, form_.get());
    QString caption;
    onNextModal([&caption](QWidget* output) {
      caption = output->windowTitle();
      output->close();
    });
    detail.findChild<QPushButton*>("OutputBtn")->click();
    QCOMPARE(caption, qs("予想結果詳細の出力"));
  }

  void userJudgementOnlyForSevenStrongRunners() {
    for (int k = 1; k <= 8; ++k) world_.app.card.userRank[k] = k % 2 + 1;  // 絶対連絡む, 上位必至
    TUserForm user(world_.app, form_.get());
    // One watcher for both presses: the first window to open must be the second press's.
    QString opened;
    QStringList kouho;
    onNextModal([&](QWidget* window) {
      opened = window->metaObject()->className();
      kouho = listTexts(*window, "UKouhoLst");
      window->close();
    });
    user.findChild<QPushButton*>("HanteiBtn")->click();
    QCOMPARE(world_.dialogs.messages.back().size(), std::size_t{3});
    QCOMPARE(world_.dialogs.messages.back()[1], sj("両方合わせて７頭以下にして下さい。"));
    QVERIFY(opened.isEmpty());

    world_.app.card.userRank[8] = 3;
    user.findChild<QPushButton*>("HanteiBtn")->click();
    QCOMPARE(opened, QString("korvane::gui::THanteiForm"));
    QVERIFY(kouho.size() >= 7);  // the user's seven, with a rule between the two classes
    for (int k = 1; k <= 8; ++k) world_.app.card.userRank[k] = 3;
  }

  void outputOpensOnThePredictionTable() {
    const QString opened = open("OutputBtn", [](QWidget& output) {
      QCOMPARE(output.windowTitle(), qs("予想結果表の出力"));
      picture(output, "output.png");
    });
    QCOMPARE(opened, QString("korvane::gui::TOutputForm"));
  }
};

QTEST_MAIN(PredictionWindowsTest)
#include "prediction_windows_test.moc"
