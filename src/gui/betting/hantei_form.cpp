#include "gui/betting/hantei_form.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/output/output_names.hpp"
#include "core/views/race_label.hpp"
#include "gui/output/output_form.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

// Room for the longest lists: seven horses with their separators and the reliability line.
constexpr int kOverallRows = 11;
constexpr int kLaterBetRows = kMaxBets - 3;

}  // namespace

THanteiForm::THanteiForm(AppState& app, UserEvaluations evaluations, QWidget* owner)
    : BaseDialog(owner), app_(app), window_(app, evaluations) {
  setWindowTitle(qs("判定"));
  RaceLbl = label(this, "RaceLbl", toQt(raceLabel(app_.card)));
  RaceLbl->setFont(fixedFont());

  QPushButton* outputBtn = button(this, "OutputBtn", qs("出力"));
  QPushButton* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  outputBtn->setAutoDefault(false);
  auto* disclaimer = new QVBoxLayout;
  for (const char* line :
       {"表示されている買い目は", "あくまでも参考です。", "この予想を参考にしたことにより",
        "損害が出ましても", "ソフト制作側では", "一切の責任を負いません。"}) {
    disclaimer->addWidget(label(this, {}, qs(line)));
  }
  auto* side = new QVBoxLayout;
  side->addWidget(buildMaxGrp());
  side->addLayout(disclaimer);
  side->addStretch();
  side->addWidget(outputBtn);
  side->addWidget(tojiruBtn);

  auto* body = new QHBoxLayout;
  body->addWidget(buildCandidates(), 0, Qt::AlignTop);
  body->addWidget(buildBets(), 0, Qt::AlignTop);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RaceLbl);
  layout->addLayout(body);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(outputBtn, &QPushButton::clicked, this, &THanteiForm::OutputBtnClick);
  connect(tojiruBtn, &QPushButton::clicked, this, &THanteiForm::TojiruBtnClick);
  FillCandidates();
  FillBets();
}

QWidget* THanteiForm::buildCandidates() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  SKouhoLst = shownLinesList(box, "SKouhoLst", 21, kMaxOverall + 1);
  UKouhoLst = shownLinesList(box, "UKouhoLst", 21, kMaxOverall + 1);
  SougouLst = shownLinesList(box, "SougouLst", 23, kOverallRows);
  column->addWidget(label(box, "SKouhoLbl", qs("「コルバン」の有力馬")));
  column->addWidget(SKouhoLst);
  column->addWidget(label(box, "UKouhoLbl", qs("ユーザー予想の有力馬")));
  column->addWidget(UKouhoLst);
  column->addWidget(label(box, "SougouLbl", qs("総合判定結果")));
  column->addWidget(SougouLst);
  return box;
}

QWidget* THanteiForm::buildBets() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  KaimeLbl = label(box, "KaimeLbl");
  KaimeLst1 = shownLinesList(box, "KaimeLst1", 14, 3);
  KaimeLst2 = shownLinesList(box, "KaimeLst2", 20, kLaterBetRows);
  KaimeLst3 = shownLinesList(box, "KaimeLst3", 14, 2);
  TanshouLst = shownLinesList(box, "TanshouLst", 10, 2);
  FukushouLst = shownLinesList(box, "FukushouLst", 10, 1);
  WideLst = shownLinesList(box, "WideLst", 10, 5);

  grid->addWidget(KaimeLbl, 0, 0);
  grid->addWidget(label(box, "KaimeOddsLbl", qs("推定オッズ")), 0, 1);
  grid->addWidget(KaimeLst1, 1, 0, 1, 2);
  grid->addWidget(KaimeLst2, 2, 0, 1, 2);
  grid->addWidget(KaimeLst3, 3, 0, 1, 2);
  grid->addWidget(label(box, "TanshouLbl", qs("単勝")), 4, 0);
  grid->addWidget(label(box, "TanshouOddsLbl", qs("推定オッズ")), 4, 1);
  grid->addWidget(TanshouLst, 5, 0, 1, 2);
  grid->addWidget(label(box, "FukushouLbl", qs("複勝")), 6, 0);
  grid->addWidget(FukushouLst, 7, 0, 1, 2);
  grid->addWidget(label(box, "WideLbl", qs("ワイド")), 8, 0);
  grid->addWidget(WideLst, 9, 0, 1, 2);
  return box;
}

QWidget* THanteiForm::buildMaxGrp() {
  auto* box = new QGroupBox(qs("最大買い目数"), this);
  box->setObjectName("MaxGrpBox");
  MaxGrp = new QButtonGroup(box);
  MaxGrp->setObjectName("MaxGrp");
  auto* grid = new QGridLayout(box);
  for (int item = 0; item < kMaxBets; ++item) {
    const int bets = item + 1;
    auto* choice = new QRadioButton(toQt(maxBetsItem(bets)), box);
    choice->setObjectName(QString("MaxGrp%1").arg(item));
    choice->setChecked(bets == window_.bets().maxBets);
    MaxGrp->addButton(choice, item);
    grid->addWidget(choice, item % 6, item / 6);
  }
  connect(MaxGrp, &QButtonGroup::idClicked, this, &THanteiForm::MaxGrpClick);
  return box;
}

void THanteiForm::FillCandidates() {
  setFixedLines(*SKouhoLst, window_.judgement().sKouho);
  setFixedLines(*UKouhoLst, window_.judgement().uKouho);
}

void THanteiForm::FillBets() {
  const BetLists& bets = window_.bets();
  KaimeLbl->setText(toQt(bets.kaimeLbl));
  setFixedLines(*SougouLst, bets.sougou);
  setFixedLines(*KaimeLst1, bets.kaime1);
  setFixedLines(*KaimeLst2, bets.kaime2);
  setFixedLines(*KaimeLst3, bets.kaime3);
  setFixedLines(*TanshouLst, bets.tanshou);
  setFixedLines(*FukushouLst, bets.fukushou);
  setFixedLines(*WideLst, bets.wide);
}

void THanteiForm::MaxGrpClick(int item) {
  window_.chooseMaxBets(item + 1);
  FillBets();
}

void THanteiForm::OutputBtnClick() {
  TOutputForm output(app_, OutputPage::Judgement, window_.outputPage(), this);
  output.showModal();
}

void THanteiForm::TojiruBtnClick() {
  reject();
}

}  // namespace korvane::gui
