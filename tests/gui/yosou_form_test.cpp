// The prediction result screen over the sample race: what the table shows, how
// a press moves the selection, the past-runs screen behind a second press, and
// a change of the development.

#include "gui/views/yosou_form.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/database/store_files.hpp"
#include "core/flows/prediction.hpp"
#include "core/flows/store_files.hpp"
#include "core/output/prediction_page.hpp"
#include "core/text/sjis.hpp"
#include "core/views/evaluation.hpp"
#include "core/views/prediction_columns.hpp"
#include "gui/engine/race_form.hpp"
#include "gui/engine/tenkai_form.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/views/gosou_form.hpp"
#include "tests/gui/support/gui_world.hpp"
#include "tests/gui/support/modal_driver.hpp"

using namespace korvane;
using namespace korvane::gui;
using korvane::testing::child;
using korvane::testing::GuiWorld;
using korvane::testing::modalWindowsOpenedBy;
using korvane::testing::onNextModalOf;

namespace {

// The sample race (京都(外) 芝2200m（良）, twelve runners) loaded as
// korvane-cli loads it.
std::unique_ptr<GuiWorld> sampleWorld(const std::string& development = {}) {
  auto world = std::make_unique<GuiWorld>();
  if (!loadPageZeroFile(world->app, GuiWorld::sampleFile())) return nullptr;
  world->app.editedFile = GuiWorld::sampleFile();
  if (!development.empty()) world->app.card.development = development;
  return world;
}

// Counts the progress windows of the prediction run that open.
class ThinkWatch : public QObject {
 public:
  int shown = 0;
  ThinkWatch() { qApp->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->inherits("korvane::gui::TThinkForm")) ++shown;
    return false;
  }
};

QString cell(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  return item == nullptr ? QString() : item->text();
}

std::string cp932(const QString& text) {
  return fromQt(text).value_or("?");
}

}  // namespace

class YosouFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<GuiWorld> world_;
  std::unique_ptr<QWidget> main_;
  std::unique_ptr<TYosouForm> form_;

  QListWidget* list(const char* name) { return form_->findChild<QListWidget*>(name); }
  QString text(const char* name) {
    if (auto* label = form_->findChild<QLabel*>(name)) return label->text();
    if (auto* edit = form_->findChild<QLineEdit*>(name)) return edit->text();
    return "<missing>";
  }
  QStringList column(const char* name) {
    QStringList items;
    QListWidget* l = list(name);
    for (int row = 0; row < l->count(); ++row) items << l->item(row)->text();
    return items;
  }
  // A press with the left button on row `slot` of a column, as the mouse gives
  // it.
  void press(const char* name, int slot) {
    QListWidget* l = list(name);
    const int height = form_->findChild<SlotLists*>()->rowHeight();
    QTest::mousePress(l->viewport(), Qt::LeftButton, {},
                      QPoint(6, (slot - 1) * height + height / 2));
  }
  // Presses and reports whether a window opened (closing it again).
  bool pressOpensAWindow(const char* name, int slot) {
    return modalWindowsOpenedBy([&] { press(name, slot); }) > 0;
  }
  // The selected row of every column but 馬番, as slot numbers (0 where nothing
  // is selected).
  QList<int> selectedRows() {
    QList<int> rows;
    for (const char* name : {"UmaLst", "ShirushiLst", "KyakuLst", "NouryokuLst", "PowerLst",
                             "MakePLst", "BestLst", "ZensouLst", "ZenkyoriLst", "KinsouLst"}) {
      const auto picked = list(name)->selectedItems();
      rows << (picked.isEmpty() ? 0 : list(name)->row(picked.first()) + 1);
    }
    return rows;
  }
  QList<int> allRows(int slot) { return QList<int>(10, slot); }

  void open(std::unique_ptr<GuiWorld> world) {
    QVERIFY(world != nullptr);
    world_ = std::move(world);
    main_ = std::make_unique<QWidget>();
    main_->resize(640, 480);
    main_->move(40, 30);
    main_->show();
    form_ = std::make_unique<TYosouForm>(world_->app, main_.get());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

 private slots:
  void cleanup() {
    form_.reset();
    main_.reset();
    world_.reset();
  }

  void tableShowsThePredictionPageRowForRow() {
    open(sampleWorld());
    // The same card predicted on its own, as korvane-cli predict prints it.
    auto reference = sampleWorld();
    predictRace(reference->app);
    const PredictionColumns columns = buildPredictionColumns(reference->app);
    const std::vector<std::string> page =
        predictionTextPage(columns, predictionPageFrame(reference->app));

    QCOMPARE(list("UmabanLst")->count(), 18);
    QCOMPARE(cell(list("UmabanLst"), 9), QString("10"));
    QCOMPARE(list("UmaLst")->count(), 12);
    std::vector<std::string> shown;
    for (int row = 0; row < 12; ++row) {
      auto at = [&](const char* name) { return cp932(cell(list(name), row)); };
      shown.push_back(at("UmabanLst") + " " + at("UmaLst") + at("ShirushiLst") + " " +
                      at("KyakuLst") + " " + at("NouryokuLst") + " " + at("PowerLst") + " " +
                      at("MakePLst") + " " + at("BestLst") + " " + at("ZensouLst") + " " +
                      at("ZenkyoriLst") + " " + at("KinsouLst"));
      QCOMPARE(toQt(shown.back()), toQt(page[static_cast<std::size_t>(row) + 3]));
    }
    QCOMPARE(toQt(shown[5]), QString("６ ロードハート　　　 ◎   差  *56.8* *54.7* *0.0* *55.5* "
                                     "+52.9+ *56.8*  Ｂ "));
    QCOMPARE(toQt(shown[7]), QString("８ ハーモニーノーブル ○   好  *54.9* *52.4* +0.6+ *55.6* "
                                     "*55.6* *55.2*  Ａ "));

    QCOMPARE(text("RaceLbl"), QString("京都(外) 芝2200m（良）"));
    QCOMPARE(text("KyoriLbl"), QString("┌────芝2200m能力────┐"));
    // The bracket stands over the 能力値 column it names.
    const QRect bracket = form_->findChild<QLabel*>("KyoriLbl")->geometry();
    const QRect ability = list("NouryokuLst")->geometry();
    QVERIFY(qAbs(bracket.center().x() - ability.center().x()) <= 1);
    QCOMPARE(text("FileLbl"), QString("smpuma.um0"));
    QCOMPARE(text("UmcFileLbl"), QString("コルバン指数による印付け"));
    QCOMPARE(text("DogaishiLbl"), QString("なし"));
    QCOMPARE(text("ShinraiLbl"), QString("◎の信頼度"));
    QCOMPARE(text("ShinraiEdt"), QString(" 52％"));
    QCOMPARE(text("TenkaiEdt"), QString("展開不問"));
    QCOMPARE(text("TenkaiLbl"), QString("標準"));
    QVERIFY(world_->app.currentScreen == Screen::Prediction);
  }

  void pressMovesOneRowAcrossAllColumns() {
    open(sampleWorld());
    QCOMPARE(world_->app.selectedRunner, 0);
    press("KyakuLst", 3);
    QCOMPARE(selectedRows(), allRows(3));
    QCOMPARE(world_->app.selectedRunner, 3);
    QVERIFY(list("UmabanLst")->selectedItems().isEmpty());

    // Another runner's name only moves the selection.
    QVERIFY(!pressOpensAWindow("UmaLst", 7));
    QCOMPARE(selectedRows(), allRows(7));

    // 馬番 lets go and keeps nothing of its own.
    press("UmabanLst", 7);
    QCOMPARE(selectedRows(), allRows(0));
    QCOMPARE(world_->app.selectedRunner, 0);
    QVERIFY(list("UmabanLst")->selectedItems().isEmpty());
  }

  void secondPressOnTheNameOpensThePastRuns() {
    open(sampleWorld());
    press("UmaLst", 6);
    QStringList runs, evaluations;
    QString title;
    onNextModalOf<TGosouForm>([&](TGosouForm& gosou) {
      title = gosou.findChild<QLabel*>("BameiLbl")->text();
      auto* seiseki = gosou.findChild<QListWidget*>("SeisekiLst");
      auto* hyouka = gosou.findChild<QListWidget*>("HyoukaLst");
      for (int row = 0; row < seiseki->count(); ++row) runs << seiseki->item(row)->text();
      for (int row = 0; row < hyouka->count(); ++row) evaluations << hyouka->item(row)->text();
      gosou.findChild<QPushButton*>("TojiruBtn")->click();
    });
    press("UmaLst", 6);
    QTRY_VERIFY(!runs.isEmpty());

    QVERIFY(title.startsWith("ロードハート"));
    QCOMPARE(runs.size(), 16);
    QCOMPARE(evaluations.size(), 16);
    const QString heavy = QString("━").repeated(18), light = QString("─").repeated(18);
    QCOMPARE(runs[0], heavy);
    QCOMPARE(runs[15], heavy);
    for (int row : {3, 6, 9, 12}) QCOMPARE(runs[row], light);
    // Oldest run first: each heading line begins with its run's label, the
    // result beside it carries the evaluation of that run.
    const char* labels[] = {"５走前", "４走前", "３走前", "前々走", " 前走 "};
    for (int run = 5; run >= 1; --run) {
      QVERIFY(runs[16 - 3 * run].startsWith(QString::fromUtf8(labels[5 - run])));
      QCOMPARE(evaluations[17 - 3 * run], toQt(runEvaluation(world_->app, nullptr, 6, run)));
    }
    QCOMPARE(world_->app.selectedRunner, 6);
    QCOMPARE(selectedRows(), allRows(6));
  }

  void rowsBeyondTheRunnersAndScratchedRunnersTakeNoSelection() {
    auto world = sampleWorld();
    QVERIFY(world != nullptr);
    world->app.card.runnerCount = 3;
    world->app.card.runner[2] = 0;  // 出走取消
    open(std::move(world));
    QCOMPARE(list("UmabanLst")->count(), 18);
    QCOMPARE(list("UmaLst")->count(), 3);
    QCOMPARE(cell(list("UmaLst"), 1), QString("（ 出 走 取 消 ） "));

    press("UmaLst", 3);
    QCOMPARE(selectedRows(), allRows(3));
    QVERIFY(!pressOpensAWindow("UmaLst", 5));
    QCOMPARE(selectedRows(), allRows(3));
    QCOMPARE(world_->app.selectedRunner, 3);

    press("NouryokuLst", 2);
    QCOMPARE(selectedRows(), allRows(0));
    QCOMPARE(world_->app.selectedRunner, 0);
  }

  void developmentChangeRemarksWithoutANewRun() {
    open(sampleWorld());
    const QStringList indexes = column("NouryokuLst") + column("PowerLst") + column("MakePLst") +
                                column("BestLst") + column("ZensouLst") + column("ZenkyoriLst") +
                                column("KinsouLst");
    // A new run would start from a blank result; a re-marking leaves this score
    // alone.
    world_->app.result.runner[1].runScore[5] = 4321;
    ThinkWatch think;

    const std::string other = sj("差し追込断然");
    onNextModalOf<TTenkaiForm>([&other](TTenkaiForm& tenkai) {
      auto* choices = tenkai.findChild<QListWidget*>("TenkaiLst");
      const auto found = choices->findItems(toQt(other), Qt::MatchExactly);
      if (!found.isEmpty()) choices->setCurrentItem(found.first());
      tenkai.findChild<QPushButton*>("KanryouBtn")->click();
    });
    QTest::mouseClick(form_->findChild<QPushButton*>("TenkaiBtn"), Qt::LeftButton);
    QTRY_COMPARE(text("TenkaiEdt"), toQt(other));

    QCOMPARE(text("TenkaiLbl"), QString("独自"));
    QCOMPARE(world_->app.card.development, other);
    QVERIFY(world_->app.store.modified);
    // 差 and 追 are favoured now, 先 no longer.
    QCOMPARE(cell(list("KyakuLst"), 5), QString("+差+"));
    QCOMPARE(cell(list("KyakuLst"), 9), QString(" 先 "));
    QCOMPARE(column("NouryokuLst") + column("PowerLst") + column("MakePLst") + column("BestLst") +
                 column("ZensouLst") + column("ZenkyoriLst") + column("KinsouLst"),
             indexes);
    QCOMPARE(think.shown, 0);
    QCOMPARE(world_->app.result.runner[1].runScore[5], 4321);
    // The marks are those of a whole prediction made with this development from
    // the start.
    auto reference = sampleWorld(other);
    predictRace(reference->app);
    const PredictionColumns expected = buildPredictionColumns(reference->app);
    for (int row = 0; row < 12; ++row) {
      QCOMPARE(cell(list("ShirushiLst"), row), toQt(expected.mark[static_cast<std::size_t>(row)]));
    }
    QCOMPARE(text("ShinraiEdt"), toQt(expected.reliability));

    onNextModalOf<TTenkaiForm>(
        [](TTenkaiForm& tenkai) { tenkai.findChild<QPushButton*>("HyoujunBtn")->click(); });
    QTest::mouseClick(form_->findChild<QPushButton*>("TenkaiBtn"), Qt::LeftButton);
    QTRY_COMPARE(text("TenkaiLbl"), QString("標準"));
    QCOMPARE(text("TenkaiEdt"), QString("展開不問"));
    QCOMPARE(cell(list("KyakuLst"), 9), QString("+先+"));
    QCOMPARE(think.shown, 0);
  }

  void courseChangeRunsThePredictionAgain() {
    open(sampleWorld());
    press("UmaLst", 4);
    ThinkWatch think;
    QPoint raceCentre;
    onNextModalOf<TRaceForm>([&raceCentre](TRaceForm& race) {
      raceCentre = race.frameGeometry().center();
      const auto found =
          child<QListWidget>(race, "KyoriLst")->findItems(QString(" 1800m"), Qt::MatchExactly);
      if (!found.isEmpty()) child<QListWidget>(race, "KyoriLst")->setCurrentItem(found.first());
      child<QPushButton>(race, "KanryouBtn")->click();
    });
    QTest::mouseClick(form_->findChild<QPushButton*>("RaceBtn"), Qt::LeftButton);
    QTRY_COMPARE(text("RaceLbl"), QString("京都(外) 芝1800m（良）"));
    // Centred on the main window, which stands in this screen's place meanwhile.
    QCOMPARE(main_->frameGeometry().topLeft(), form_->frameGeometry().topLeft());
    QVERIFY((raceCentre - main_->frameGeometry().center()).manhattanLength() <= 2);

    QCOMPARE(text("KyoriLbl"), QString("┌────芝1800m能力────┐"));
    QCOMPARE(think.shown, 1);
    QVERIFY(world_->app.store.modified);
    QCOMPARE(world_->app.selectedRunner, 0);
    QCOMPARE(selectedRows(), allRows(0));
    auto reference = sampleWorld();
    reference->app.card.distance = 1800;
    reference->app.card.development = world_->app.card.development;
    predictRace(reference->app);
    const PredictionColumns expected = buildPredictionColumns(reference->app);
    for (int row = 0; row < 12; ++row) {
      QCOMPARE(cell(list("NouryokuLst"), row),
               toQt(expected.ability[static_cast<std::size_t>(row)]));
      QCOMPARE(cell(list("ShirushiLst"), row), toQt(expected.mark[static_cast<std::size_t>(row)]));
    }

    // 戻る leaves the race and its prediction as they are.
    onNextModalOf<TRaceForm>(
        [](TRaceForm& race) { child<QPushButton>(race, "ModoruBtn")->click(); });
    QTest::mouseClick(form_->findChild<QPushButton*>("RaceBtn"), Qt::LeftButton);
    QCOMPARE(think.shown, 1);
    QCOMPARE(world_->app.card.distance, 1800);
  }

  void mainWindowStepsAsideWhileTheScreenIsUp() {
    open(sampleWorld());
    QTRY_VERIFY(!main_->isVisible());
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->pos(), main_->pos());
    form_->move(200, 150);
    QTest::mouseClick(form_->findChild<QPushButton*>("HelpBtn"), Qt::LeftButton);
    QCOMPARE(world_->dialogs.messages.back(),
             (std::vector<std::string>{sj("表の見出し等にマウスカーソルを約１秒間"),
                                       sj("置いて下さい。"), sj("各項目の説明が表示されます。")}));

    QTest::mouseClick(form_->findChild<QPushButton*>("ModoruBtn"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());
    QVERIFY(main_->isVisible());
    QCOMPARE(main_->pos(), form_->pos());
    QVERIFY(world_->app.currentScreen == Screen::Main);
  }

  void raceSaveWritesTheRaceFile() {
    open(sampleWorld());
    const auto file = world_->app.folders.race / "race.uma";
    world_->dialogs.fileAnswers.push_back(file);
    QTest::mouseClick(form_->findChild<QPushButton*>("RunSaveBtn"), Qt::LeftButton);
    QVERIFY(std::filesystem::exists(file));
  }
};

QTEST_MAIN(YosouFormTest)
#include "yosou_form_test.moc"
