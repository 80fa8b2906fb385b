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
#include "core/flows/output.hpp"
#include "core/flows/prediction.hpp"
#include "core/flows/race_files.hpp"
#include "core/output/prediction_page.hpp"
#include "core/text/sjis.hpp"
#include "core/flows/rankings.hpp"
#include "core/views/disregard.hpp"
#include "core/views/marking_label.hpp"
#include "core/views/prediction_columns.hpp"
#include "core/views/race_label.hpp"
#include "gui/betting/hantei_form.hpp"
#include "gui/custom/custom_form.hpp"
#include "gui/betting/odds_form.hpp"
#include "gui/engine/race_form.hpp"
#include "gui/engine/tenkai_form.hpp"
#include "gui/engine/think_form.hpp"
#include "gui/output/output_form.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_dialogs.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/platform/window_place.hpp"
#include "gui/views/gosou_form.hpp"
#include "gui/views/graph_form.hpp"
#include "gui/views/juni_form.hpp"
#include "gui/views/point_form.hpp"
#include "gui/views/shirushi_form.hpp"
#include "gui/views/shousai_form.hpp"
#include "gui/views/user_form.hpp"

namespace korvane::gui {

namespace {

const char kAllRecordsHint[] = "「全てのコースと距離」の成績を参照して評価した総合能力値です。";
const char kDevelopmentHint[] =
    "予想される展開をユーザーが設定できます。設定すると、瞬時に、印が付け変わります。";
const char kReliabilityHint[] =
    "◎が他の馬に比べてどのくらい能力が高いかを表しています。最低で３０％。最高７０％です。";

constexpr Hint kHints[] = {
    {"KyoriLbl", "「当該距離に関係するコースと距離」の成績だけを参照した能力値です。"},
    {"ZenKyoriLbl", kAllRecordsHint},
    {"Label21", "馬番です。クリックすると、馬名選択が解除されます。"},
    {"Label13", "出走馬名です。"},
    {"Label9",
     "印は重い順に「◎○▲△×注」です。「？」印の馬はデータが足りなかったために判定できなかった"
     "馬です。"},
    {"KyakuLbl", "有利な脚質には「+」が、不利な脚質には「-」が付きます。"},
    {"Label8",
     "前５走のうち「レース当該距離に関係の深い成績」を参照して評価した能力偏差値です。上がりタイ"
     "ム・走破タイム・距離・コース・馬場状態を考慮しています。なお、評価材料が足りなりなかった"
     "ために評価できなかった部分は「50.0」になります。"},
    {"Label5",
     "前５走のうち「好走したレースの成績」のみを使用して評価した能力偏差値です。確実に評価できる"
     "部分のみを評価するので、弱い馬を誤って高く評価してしまうことが少ない数値です。なお、評価材"
     "料が足りなりなかったために評価できなかった部分は「50.0」になります。"},
    {"TsuyosaLbl",
     "レベルの低い走りをしたときに加算されるポイントです。これが「0.0」の馬は、能力値以上の能力"
     "を秘めている可能性があります。"},
    {"Label14", "前５走中、最も良い走りをした成績の評価値です。"},
    {"Label4", "前走の評価値です。なお、前走が、評価不能な場合は、前々走の評価になります。"},
    {"Label7", kAllRecordsHint},
    {"Label1",
     "近走の調子です。ゴール前で着順が上がっていれば、まずまず調子が良いと判断しています。"},
    {"Label3", kDevelopmentHint},
    {"TenkaiLbl", kDevelopmentHint},
    {"TenkaiBtn", "展開予想を変更します。"},
    {"ShinraiLbl", kReliabilityHint},
    {"ShinraiEdt", kReliabilityHint},
    {"ShousaiBtn",
     "５走前から前走までの詳細な評価を表示します。また、度外視したい成績を指定した予想ができま"
     "す。"},
    {"ShirushiBtn", "各展開による印を表示します。"},
    {"JuniBtn", "各数値の上位順に馬名を表示します。"},
    {"ShisuBtn", "コルバン指数を表示します。"},
    {"GraphBtn", "コルバン指数のグラフを表示します。"},
    {"OddsBtn",
     "単勝オッズを入力します。入力が完了すると、結果詳細表の「穴馬度」に数値が表示されます。"},
    {"KaimeBtn", "コルバンの参考買い目を表示します。"},
    {"UserBtn",
     "ユーザー予想を入力し、「コルバン」の予想とミックスした総合結果と参考買い目を表示します。"},
    {"CustomBtn",
     "印の付け方をカスタマイズします。（コルバン再起動、または、メイン画面の「設定」ボタンで、元"
     "に戻せます）"},
    {"OutputBtn", "予想結果をプリンタ・ファイルへ出力します。"},
    {"RaceBtn", "レースのコース（競馬場・距離・馬場状態）を変更します。"},
    {"RunSaveBtn",
     "出走馬とレースデータを保存します。保存したファイルは、メイン画面の「レース読込」ボタンで読"
     "み込むことができます。"},
    {"HelpBtn", "予想結果表の見方を説明します。"},
    {"ModoruBtn", "メイン画面に戻ります。"},
};

// A box that shows a value of the prediction, `widthBytes` cells wide; the user changes it
// through its button, never by typing.
QLineEdit* shownField(QWidget* parent, const char* name, int widthBytes) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setFont(fixedFont());
  field->setFixedWidth(cellsWidth(widthBytes));
  return field;
}

}  // namespace

TYosouForm::TYosouForm(AppState& app, QWidget* mainWindow)
    : BaseDialog(mainWindow), app_(app), mainWindow_(mainWindow) {
  setObjectName("YosouForm");
  setWindowTitle(qs("予想結果"));
  // The screen takes the main window's place instead of centring on it.
  centreOver(nullptr);
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
  setHints(*this, kHints);

  // Messages asked for while this screen is in front centre on it.
  QtDialogs::registerScreen(app_.dialogs, Screen::Prediction, this);
  predictWithProgress(app_, mainWindow_ != nullptr ? mainWindow_ : this);
  FillColumns();
  ShinraiLbl->setText(toQt(predictionPageFrame(app_).reliabilityCaption));
}

QWidget* TYosouForm::buildTop() {
  auto* top = new QWidget(this);
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(0, 0, 0, 0);
  RaceLbl = label(top, "RaceLbl");
  FileLbl = label(top, "FileLbl");
  UmcFileLbl = label(top, "UmcFileLbl");
  DogaishiLbl = label(top, "DogaishiLbl");
  for (QLabel* l : {RaceLbl, FileLbl, UmcFileLbl, DogaishiLbl}) l->setFont(fixedFont());
  row->addWidget(RaceLbl);
  row->addSpacing(16);
  row->addWidget(FileLbl);
  row->addSpacing(16);
  row->addWidget(UmcFileLbl);
  row->addStretch();
  row->addWidget(label(top, "DogaishiCapLbl", qs("度外視")));
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
  KyoriLbl = label(t, "KyoriLbl");
  KyoriLbl->setFont(fixedFont());
  table_->addHeadingOver(KyoriLbl, 4);
  table_->addHeading(label(t, "ZenKyoriLbl", qs("全距離")), 9, 1, 0);
  const std::pair<const char*, const char*> headings[] = {
      {"Label21", "馬番"},    {"Label13", "馬名（2回ｸﾘｯｸで成績）"},
      {"Label9", "印"},       {"KyakuLbl", "脚質"},
      {"Label8", "能力値"},   {"Label5", "底力"},
      {"TsuyosaLbl", "負Ｐ"}, {"Label14", "ベスト"},
      {"Label4", "前走"},     {"Label7", "能力"},
      {"Label1", "近走"},
  };
  int column = 0;
  for (const auto& [name, caption] : headings)
    table_->addHeading(label(t, name, qs(caption)), column++);

  connect(table_, &SlotLists::selectionChanged, this,
          [this](int slot) { app_.selectedRunner = slot; });
  connect(table_, &SlotLists::selectedRowPressed, this, &TYosouForm::UmaLstSelectedPress);
}

QWidget* TYosouForm::buildSide() {
  auto* side = new QWidget(this);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);

  column->addWidget(label(side, "Label3", qs("展開予想")));
  TenkaiEdt = shownField(side, "TenkaiEdt", 14);
  column->addWidget(TenkaiEdt);
  auto* tenkaiRow = new QHBoxLayout;
  TenkaiLbl = label(side, "TenkaiLbl");
  tenkaiRow->addWidget(TenkaiLbl);
  QPushButton* tenkaiBtn = button(side, "TenkaiBtn", qs("変更"));
  tenkaiBtn->setAutoDefault(false);
  connect(tenkaiBtn, &QPushButton::clicked, this, &TYosouForm::TenkaiBtnClick);
  tenkaiRow->addWidget(tenkaiBtn);
  column->addLayout(tenkaiRow);

  column->addSpacing(12);
  ShinraiLbl = label(side, "ShinraiLbl");
  column->addWidget(ShinraiLbl);
  ShinraiEdt = shownField(side, "ShinraiEdt", 8);
  column->addWidget(ShinraiEdt);

  column->addSpacing(12);
  column->addWidget(label(side, "KigouLbl", qs("記号の意味")));
  column->addWidget(label(side, "KigouLbl2", qs("「*」「+」「-」「/」")));
  auto* legend = new QHBoxLayout;
  legend->addWidget(label(side, "YoiLbl", qs("良い")));
  legend->addWidget(label(side, "HidariLbl", qs("←")));
  legend->addWidget(label(side, "MigiLbl", qs("→")));
  legend->addWidget(label(side, "WaruiLbl", qs("悪い")));
  column->addLayout(legend);
  return side;
}

QWidget* TYosouForm::buildButtons() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> buttons[] = {
      {"ShousaiBtn", "結果詳細"},    {"ShirushiBtn", "各展開の印"},
      {"JuniBtn", "各値順位"},       {"ShisuBtn", "コルバン指数"},
      {"GraphBtn", "グラフ表示"},    {"OddsBtn", "オッズ入力"},
      {"KaimeBtn", "コルバンの買い目"}, {"UserBtn", "ユーザー予想"},
      {"CustomBtn", "カスタマイズ"}, {"OutputBtn", "出力"},
      {"RaceBtn", "コース変更"},     {"RunSaveBtn", "レース保存"},
      {"HelpBtn", "ヘルプ"},         {"ModoruBtn", "閉じる"},
  };
  int cell = 0;
  for (const auto& [name, caption] : buttons) {
    QPushButton* b = button(box, name, qs(caption));
    // Enter presses no button of this screen: every one of them opens or closes a window.
    b->setAutoDefault(false);
    grid->addWidget(b, cell / 6, cell % 6);
    ++cell;
  }
  auto handle = [box, this](const char* name, void (TYosouForm::*handler)()) {
    connect(box->findChild<QPushButton*>(name), &QPushButton::clicked, this, handler);
  };
  handle("ShousaiBtn", &TYosouForm::ShousaiBtnClick);
  handle("ShirushiBtn", &TYosouForm::ShirushiBtnClick);
  handle("JuniBtn", &TYosouForm::JuniBtnClick);
  handle("ShisuBtn", &TYosouForm::ShisuBtnClick);
  handle("GraphBtn", &TYosouForm::GraphBtnClick);
  handle("UserBtn", &TYosouForm::UserBtnClick);
  handle("OddsBtn", &TYosouForm::OddsBtnClick);
  handle("KaimeBtn", &TYosouForm::KaimeBtnClick);
  handle("CustomBtn", &TYosouForm::CustomBtnClick);
  handle("OutputBtn", &TYosouForm::OutputBtnClick);
  handle("RaceBtn", &TYosouForm::RaceBtnClick);
  handle("RunSaveBtn", &TYosouForm::RunSaveBtnClick);
  handle("HelpBtn", &TYosouForm::HelpBtnClick);
  handle("ModoruBtn", &TYosouForm::ModoruBtnClick);
  return box;
}

void TYosouForm::showEvent(QShowEvent* event) {
  BaseDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TYosouForm::changeEvent(QEvent* event) {
  BaseDialog::changeEvent(event);
  // An activation that arrives after the screen was closed again must not hide the main window.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) FormActivate();
}

void TYosouForm::done(int result) {
  FormClose();
  BaseDialog::done(result);
}

void TYosouForm::FormShow() {
  UmcFileLbl->setText(toQt(markingLabel(app_)));
  DogaishiLbl->setText(toQt(disregardLabel(app_.card)));
  app_.currentScreen = Screen::Prediction;
  if (mainWindow_ != nullptr) {
    // Frame on frame: this screen is not framed yet, and will be framed as the main window is.
    mainFrame_ = frameMargins(*mainWindow_);
    moveFrameTo(*this, mainWindow_->frameGeometry().topLeft(), mainFrame_);
  }
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
  app_.currentScreen = Screen::Main;
  if (mainWindow_ != nullptr) {
    moveFrameTo(*mainWindow_, frameGeometry().topLeft(), mainFrame_);
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
  gosou.showModal();
}

void TYosouForm::ResyncSelection() {
  table_->selectSlot(table_->selectedSlot());
}

void TYosouForm::ShousaiBtnClick() {
  TShousaiForm shousai(app_, this);
  shousai.showModal();
  DogaishiLbl->setText(toQt(disregardLabel(app_.card)));
  if (shousai.repredictAsked()) {
    Repredict();
  } else {
    ResyncSelection();
  }
}

void TYosouForm::CustomBtnClick() {
  TCustomForm custom(app_, this);
  if (!custom.showModal()) return;
  // 完了 and 標準 marked the race again, by the rules now in force.
  UmcFileLbl->setText(toQt(markingLabel(app_)));
  FillColumns();
  ResyncSelection();
}

void TYosouForm::ShirushiBtnClick() {
  TShirushiForm shirushi(app_, this);
  shirushi.showModal();
  ResyncSelection();
}

void TYosouForm::JuniBtnClick() {
  if (!mayShowRankings(app_)) return;
  TJuniForm juni(app_, this);
  juni.showModal();
}

void TYosouForm::ShisuBtnClick() {
  TPointForm points(app_, this);
  if (points.exec() == TPointForm::kRankingsAsked) JuniBtnClick();
}

void TYosouForm::GraphBtnClick() {
  TGraphForm graph(app_, this);
  graph.showModal();
}

void TYosouForm::UserBtnClick() {
  TUserForm user(app_, this);
  user.showModal();
  ResyncSelection();
}

void TYosouForm::RaceBtnClick() {
  // The race conditions window centres on the main window, which is to stand
  // where this screen stands.
  TRaceForm race(app_, this);
  if (mainWindow_ != nullptr) {
    moveFrameTo(*mainWindow_, frameGeometry().topLeft(), mainFrame_);
    race.centreOver(mainWindow_);
  }
  if (!race.showModal()) return;
  CopyLabels();
  Repredict();
}

void TYosouForm::TenkaiBtnClick() {
  TTenkaiForm tenkai(app_, this);
  if (!tenkai.showModal()) return;
  chooseDevelopment(app_, tenkai.chosenDevelopment());
  FillColumns();
}

void TYosouForm::OddsBtnClick() {
  TOddsForm odds(app_, buildPredictionColumns(app_), this);
  odds.showModal();
}

// The program's own bets: every runner counts as わからない, whatever the user rated.
void TYosouForm::KaimeBtnClick() {
  THanteiForm judgement(app_, UserEvaluations::Neutral, this);
  judgement.showModal();
}

void TYosouForm::OutputBtnClick() {
  TOutputForm output(app_, OutputPage::PredictionTable,
                     predictionTablePage(buildPredictionColumns(app_), predictionPageFrame(app_)),
                     this);
  output.showModal();
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
