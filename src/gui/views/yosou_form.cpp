#include "gui/views/yosou_form.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/custom/custom_edit.hpp"
#include "core/database/race_files.hpp"
#include "core/engine/prediction_run.hpp"
#include "gui/engine/race_form.hpp"
#include "gui/engine/tenkai_form.hpp"
#include "gui/engine/think_form.hpp"
#include "core/output/prediction_page.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_dialogs.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/slot_lists.hpp"
#include "core/text/sjis.hpp"
#include "core/views/disregard.hpp"
#include "gui/views/gosou_form.hpp"
#include "core/views/prediction_columns.hpp"
#include "core/views/race_label.hpp"

namespace korvane::gui {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, const QString& hint = {}) {
  auto* l = new QLabel(text, parent);
  if (name != nullptr) l->setObjectName(name);
  if (!hint.isEmpty()) l->setToolTip(hint);
  return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                    bool enabled = true) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setAutoDefault(false);
  b->setEnabled(enabled);
  return b;
}

// Hints that two controls share.
const QString kAllRecordsHint =
    QStringLiteral("「全てのコースと距離」の成績を参照して評価した総合能力値です。");
const QString kDevelopmentHint = QStringLiteral(
    "予想される展開をユーザーが設定できます。設定すると、瞬時に"
    "、印が付け変わります。");
const QString kReliabilityHint = QStringLiteral(
    "◎が他の馬に比べてどのくらい能力が高いかを表しています。最低"
    "で３０％。最高７０％です。");

}  // namespace

TYosouForm::TYosouForm(AppState& app, QWidget* mainWindow)
    : QDialog(mainWindow), app_(app), mainWindow_(mainWindow) {
  setObjectName("YosouForm");
  setWindowTitle(QStringLiteral("予想結果"));
  // The screen is laid out for its table; maximizing would only stretch the
  // margins.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildTop());
  auto* middle = new QHBoxLayout;
  buildTable();
  middle->addWidget(table_, 0, Qt::AlignTop);
  middle->addWidget(buildSide(), 0, Qt::AlignTop);
  middle->addStretch();
  layout->addLayout(middle);
  layout->addWidget(buildButtons());

  // Messages asked for while this screen is in front centre on it.
  QtDialogs::registerScreen(app_.dialogs, sj("予想"), this);
  predictWithProgress(app_, mainWindow_ != nullptr ? mainWindow_ : this);
  FillColumns();
  ShinraiLbl->setText(toQt(predictionPageFrame(app_).reliabilityCaption));
}

QWidget* TYosouForm::buildTop() {
  auto* top = new QWidget(this);
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(0, 0, 0, 0);
  RaceLbl = label(top, "RaceLbl", {});
  FileLbl = label(top, "FileLbl", {});
  UmcFileLbl = label(top, "UmcFileLbl", {});
  DogaishiLbl = label(top, "DogaishiLbl", {});
  for (QLabel* l : {RaceLbl, FileLbl, UmcFileLbl, DogaishiLbl}) l->setFont(fixedFont());
  row->addWidget(RaceLbl);
  row->addSpacing(16);
  row->addWidget(FileLbl);
  row->addSpacing(16);
  row->addWidget(UmcFileLbl);
  row->addStretch();
  row->addWidget(label(top, "DogaishiCapLbl", QStringLiteral("度外視")));
  row->addWidget(DogaishiLbl);
  return top;
}

void TYosouForm::buildTable() {
  table_ = new SlotLists(this);
  table_->setObjectName("YosouTable");
  UmabanLst = table_->addColumn("UmabanLst", 2, ColumnRole::Number);
  UmaLst = table_->addColumn("UmaLst", 18, ColumnRole::Name);
  ShirushiLst = table_->addColumn("ShirushiLst", 4, ColumnRole::Row);
  KyakuLst = table_->addColumn("KyakuLst", 4, ColumnRole::Row);
  NouryokuLst = table_->addColumn("NouryokuLst", 6, ColumnRole::Row);
  PowerLst = table_->addColumn("PowerLst", 6, ColumnRole::Row);
  MakePLst = table_->addColumn("MakePLst", 5, ColumnRole::Row);
  BestLst = table_->addColumn("BestLst", 6, ColumnRole::Row);
  ZensouLst = table_->addColumn("ZensouLst", 6, ColumnRole::Row);
  ZenkyoriLst = table_->addColumn("ZenkyoriLst", 6, ColumnRole::Row);
  KinsouLst = table_->addColumn("KinsouLst", 4, ColumnRole::Row);

  QWidget* t = table_;
  KyoriLbl = label(t, "KyoriLbl", {},
                   QStringLiteral("「当該距離に関係するコースと距離」の成績だけ"
                                  "を参照した能力値です。"));
  KyoriLbl->setFont(fixedFont());
  table_->addHeading(KyoriLbl, 4, 5, 0);
  table_->addHeading(label(t, "ZenKyoriLbl", QStringLiteral("全距離"), kAllRecordsHint), 9, 1, 0);
  table_->addHeading(label(t, "Label21", QStringLiteral("馬番"),
                           QStringLiteral("馬番です。クリックすると、馬名選択が解除されます。")),
                     0);
  table_->addHeading(label(t, "Label13", QStringLiteral("馬名（2回ｸﾘｯｸで成績）"),
                           QStringLiteral("出走馬名です。")),
                     1);
  table_->addHeading(label(t, "Label9", QStringLiteral("印"),
                           QStringLiteral("印は重い順に「◎○▲△×注」です。「？」"
                                          "印の馬はデータが足りなかったため"
                                          "に判定できなかった馬です。")),
                     2);
  table_->addHeading(
      label(t, "KyakuLbl", QStringLiteral("脚質"),
            QStringLiteral("有利な脚質には「+」が、不利な脚質には「-」が付きます。")),
      3);
  table_->addHeading(label(t, "Label8", QStringLiteral("能力値"),
                           QStringLiteral("前５走のうち「レース当該距離に関係の"
                                          "深い成績」を参照して評価した能力偏差"
                                          "値です。上がりタイム・走破タイム・距"
                                          "離・コース・馬場状態を考慮していま"
                                          "す。なお、評価材料が足りなりなかった"
                                          "ために評価できなかった部分は「50."
                                          "0」になります。")),
                     4);
  table_->addHeading(label(t, "Label5", QStringLiteral("底力"),
                           QStringLiteral("前５走のうち「好走したレースの成績」のみを使用して"
                                          "評価した能力偏差値で"
                                          "す。確実に評価できる部分のみを評価するので、弱い馬"
                                          "を誤って高く評価して"
                                          "しまうことが少ない数値です。なお、評価材料が足りな"
                                          "りなかったために評価"
                                          "できなかった部分は「50.0」になります。")),
                     5);
  table_->addHeading(label(t, "TsuyosaLbl", QStringLiteral("負Ｐ"),
                           QStringLiteral("レベルの低い走りをしたときに加算されるポイントです。"
                                          "これが「0.0」の馬"
                                          "は、能力値以上の能力を秘めている可能性があります。")),
                     6);
  table_->addHeading(label(t, "Label14", QStringLiteral("ベスト"),
                           QStringLiteral("前５走中、最も良い走りをした成績の評価値です。")),
                     7);
  table_->addHeading(label(t, "Label4", QStringLiteral("前走"),
                           QStringLiteral("前走の評価値です。なお、前走が、評価不能な場合は、"
                                          "前々走の評価になります。")),
                     8);
  table_->addHeading(label(t, "Label7", QStringLiteral("能力"), kAllRecordsHint), 9);
  table_->addHeading(label(t, "Label1", QStringLiteral("近走"),
                           QStringLiteral("近走の調子です。ゴール前で着順が上が"
                                          "っていれば、まずまず調子が良いと判"
                                          "断しています。")),
                     10);

  connect(table_, &SlotLists::selectionChanged, this,
          [this](int slot) { app_.selectedRunner = slot; });
  connect(table_, &SlotLists::selectedRowPressed, this, &TYosouForm::UmaLstSelectedPress);
}

QWidget* TYosouForm::buildSide() {
  auto* side = new QWidget(this);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);

  column->addWidget(label(side, "Label3", QStringLiteral("展開予想"), kDevelopmentHint));
  TenkaiEdt = new QLineEdit(side);
  TenkaiEdt->setObjectName("TenkaiEdt");
  TenkaiEdt->setReadOnly(true);
  TenkaiEdt->setFont(fixedFont());
  TenkaiEdt->setFixedWidth(cellsWidth(14));
  column->addWidget(TenkaiEdt);
  auto* tenkaiRow = new QHBoxLayout;
  TenkaiLbl = label(side, "TenkaiLbl", {}, kDevelopmentHint);
  tenkaiRow->addWidget(TenkaiLbl);
  auto* tenkaiBtn =
      button(side, "TenkaiBtn", QStringLiteral("変更"), QStringLiteral("展開予想を変更します。"));
  connect(tenkaiBtn, &QPushButton::clicked, this, &TYosouForm::TenkaiBtnClick);
  tenkaiRow->addWidget(tenkaiBtn);
  column->addLayout(tenkaiRow);

  column->addSpacing(12);
  ShinraiLbl = label(side, "ShinraiLbl", {}, kReliabilityHint);
  column->addWidget(ShinraiLbl);
  ShinraiEdt = new QLineEdit(side);
  ShinraiEdt->setObjectName("ShinraiEdt");
  ShinraiEdt->setReadOnly(true);
  ShinraiEdt->setFont(fixedFont());
  ShinraiEdt->setFixedWidth(cellsWidth(8));
  ShinraiEdt->setToolTip(kReliabilityHint);
  column->addWidget(ShinraiEdt);

  column->addSpacing(12);
  column->addWidget(label(side, "KigouLbl", QStringLiteral("記号の意味")));
  column->addWidget(label(side, "KigouLbl2", QStringLiteral("「*」「+」「-」「/」")));
  auto* legend = new QHBoxLayout;
  legend->addWidget(label(side, "YoiLbl", QStringLiteral("良い")));
  legend->addWidget(label(side, "HidariLbl", QStringLiteral("←")));
  legend->addWidget(label(side, "MigiLbl", QStringLiteral("→")));
  legend->addWidget(label(side, "WaruiLbl", QStringLiteral("悪い")));
  column->addLayout(legend);
  return side;
}

QWidget* TYosouForm::buildButtons() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* raceBtn = button(box, "RaceBtn", QStringLiteral("コース変更"),
                         QStringLiteral("レースのコース（競馬場・距離・馬場状態）を変更します。"));
  auto* runSaveBtn =
      button(box, "RunSaveBtn", QStringLiteral("レース保存"),
             QStringLiteral("出走馬とレースデータを保存します。保存したファイルは、メイン画面の「"
                            "レース読込」ボタンで読み込むことができます。"));
  auto* helpBtn = button(box, "HelpBtn", QStringLiteral("ヘルプ"),
                         QStringLiteral("予想結果表の見方を説明します。"));
  auto* modoruBtn =
      button(box, "ModoruBtn", QStringLiteral("閉じる"), QStringLiteral("メイン画面に戻ります。"));
  connect(raceBtn, &QPushButton::clicked, this, &TYosouForm::RaceBtnClick);
  connect(runSaveBtn, &QPushButton::clicked, this, &TYosouForm::RunSaveBtnClick);
  connect(helpBtn, &QPushButton::clicked, this, &TYosouForm::HelpBtnClick);
  connect(modoruBtn, &QPushButton::clicked, this, &TYosouForm::ModoruBtnClick);

  // The views, odds, judgement, output and custom marking open windows of their
  // own that are not part of this program yet: their buttons stand where they
  // belong, and wait.
  QPushButton* later[] = {
      button(box, "ShousaiBtn", QStringLiteral("結果詳細"),
             QStringLiteral("５走前から前走までの詳細な評価を表示します。また、"
                            "度外視したい成績を"
                            "指定した予想ができます。"),
             false),
      button(box, "ShirushiBtn", QStringLiteral("各展開の印"),
             QStringLiteral("各展開による印を表示します。"), false),
      button(box, "JuniBtn", QStringLiteral("各値順位"),
             QStringLiteral("各数値の上位順に馬名を表示します。"), false),
      button(box, "ShisuBtn", QStringLiteral("コルバン指数"),
             QStringLiteral("コルバン指数を表示します。"), false),
      button(box, "GraphBtn", QStringLiteral("グラフ表示"),
             QStringLiteral("コルバン指数のグラフを表示します。"), false),
      button(box, "OddsBtn", QStringLiteral("オッズ入力"),
             QStringLiteral("単勝オッズを入力します。入力が完了すると、結果詳細"
                            "表の「穴馬度」に数"
                            "値が表示されます。"),
             false),
      button(box, "KaimeBtn", QStringLiteral("コルバンの買い目"),
             QStringLiteral("コルバンの参考買い目を表示します。"), false),
      button(box, "UserBtn", QStringLiteral("ユーザー予想"),
             QStringLiteral("ユーザー予想を入力し、「コルバン」の予想とミックス"
                            "した総合結果と参考"
                            "買い目を表示します。"),
             false),
      button(box, "CustomBtn", QStringLiteral("カスタマイズ"),
             QStringLiteral("印の付け方をカスタマイズします。（コルバン再起動、"
                            "または、メイン画面"
                            "の「設定」ボタンで、元に戻せます）"),
             false),
      button(box, "OutputBtn", QStringLiteral("出力"),
             QStringLiteral("予想結果をプリンタ・ファイルへ出力します。"), false),
  };
  int cell = 0;
  for (QPushButton* b : later) {
    grid->addWidget(b, cell / 6, cell % 6);
    ++cell;
  }
  for (QPushButton* b : {raceBtn, runSaveBtn, helpBtn, modoruBtn}) {
    grid->addWidget(b, cell / 6, cell % 6);
    ++cell;
  }
  return box;
}

void TYosouForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TYosouForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TYosouForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TYosouForm::FormShow() {
  UmcFileLbl->setText(toQt(markingLabel(app_)));
  DogaishiLbl->setText(toQt(disregardLabel(app_.card)));
  app_.currentScreen = sj("予想");
  if (mainWindow_ != nullptr) move(mainWindow_->pos());
  CopyLabels();
  table_->selectSlot(0);
}

void TYosouForm::FormActivate() {
  update();
  if (mainWindow_ != nullptr && !mainHidden_) {
    mainWindow_->hide();
    mainHidden_ = true;
  }
}

void TYosouForm::FormClose() {
  app_.currentScreen = sj("メイン");
  if (mainWindow_ != nullptr) {
    mainWindow_->move(pos());
    if (mainHidden_) mainWindow_->show();
    mainHidden_ = false;
    mainWindow_->update();
  }
}

void TYosouForm::CopyLabels() {
  RaceLbl->setText(toQt(raceLabel(app_.card)));
  FileLbl->setText(toQt(app_.fileLabel()));
  KyoriLbl->setText(toQt(distanceHeading(app_.card)));
}

void TYosouForm::FillColumns() {
  const PredictionColumns c = buildPredictionColumns(app_);
  table_->setSlots(app_.card);
  table_->setItems(UmabanLst, c.umaban);
  table_->setItems(UmaLst, c.name);
  table_->setItems(ShirushiLst, c.mark);
  table_->setItems(KyakuLst, c.style);
  table_->setItems(NouryokuLst, c.ability);
  table_->setItems(PowerLst, c.power);
  table_->setItems(MakePLst, c.loseP);
  table_->setItems(BestLst, c.best);
  table_->setItems(ZensouLst, c.lastRun);
  table_->setItems(ZenkyoriLst, c.allDistance);
  table_->setItems(KinsouLst, c.form);
  ShinraiEdt->setText(toQt(c.reliability));
  TenkaiEdt->setText(toQt(c.development));
  TenkaiLbl->setText(toQt(c.developmentLabel));
}

void TYosouForm::Repredict() {
  predictWithProgress(app_, this);
  FillColumns();
  table_->selectSlot(0);
}

void TYosouForm::UmaLstSelectedPress(QListWidget* column, int slot) {
  if (column != UmaLst) return;
  app_.selectedRunner = slot;
  TGosouForm gosou(app_, this);
  gosou.exec();
}

void TYosouForm::RaceBtnClick() {
  // The race conditions window centres on the main window, which is to stand
  // where this screen stands.
  if (mainWindow_ != nullptr) mainWindow_->move(pos());
  TRaceForm race(app_, this);
  if (race.exec() != QDialog::Accepted) return;
  app_.store.modified = true;
  CopyLabels();
  Repredict();
}

void TYosouForm::TenkaiBtnClick() {
  TTenkaiForm tenkai(app_, this);
  if (tenkai.exec() != QDialog::Accepted) return;
  app_.card.development = tenkai.chosenDevelopment();
  app_.store.modified = true;
  // The indexes stand; only the style fit and the marks follow the development.
  remark(app_);
  FillColumns();
}

void TYosouForm::RunSaveBtnClick() {
  saveRace(app_);
}

void TYosouForm::HelpBtnClick() {
  app_.dialogs.message({sj("表の見出し等にマウスカーソルを約１秒間"), sj("置いて下さい。"),
                        sj("各項目の説明が表示されます。")});
}

void TYosouForm::ModoruBtnClick() {
  reject();
}

}  // namespace korvane::gui
