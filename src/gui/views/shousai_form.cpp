#include "gui/views/shousai_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/flows/output.hpp"
#include "core/output/prediction_page.hpp"
#include "core/views/detail_columns.hpp"
#include "core/views/race_label.hpp"
#include "gui/output/output_form.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/views/dogai_form.hpp"
#include "gui/views/gosou_form.hpp"

namespace korvane::gui {

namespace {

constexpr Hint kHints[] = {
    {"Hyouka5Lbl", "５走前の成績の評価値です。"},
    {"Hyouka4Lbl", "４走前の成績の評価値です。"},
    {"Hyouka3Lbl", "３走前の成績の評価値です。"},
    {"Hyouka2Lbl", "前々走の成績の評価値です。"},
    {"Hyouka1Lbl", "前走の成績の評価値です。"},
    {"KitaiLbl",
     "人気と能力の比較値です。「人気はないが能力はある馬」が高い値になります。印が付いている"
     "馬のみ表示されます。"},
    {"KanryouBtn", "指定した「度外視」を反映して、予想します。"},
};

}  // namespace

TShousaiForm::TShousaiForm(AppState& app, QWidget* owner)
    : BaseDialog(owner), app_(app), visit_(app) {
  setObjectName("ShousaiForm");
  setWindowTitle(qs("予想結果詳細"));

  QLabel* raceLbl = label(this, "RaceLbl", toQt(raceLabel(app.card)));
  raceLbl->setFont(fixedFont());
  buildTable();

  auto* legend = new QVBoxLayout;
  for (const char* line : {"「50.0」は、評価材料が足りなかったために、評価できなかった成績です。",
                           "「<注意>」は、評価できなかった成績の中で、高く評価できる可能性がある"
                           "成績です。",
                           "「他距」は、当該レースと関係の浅い、距離、コースの成績です。",
                           "評価値を２回クリックすると、その成績を「度外視」に指定できます。"}) {
    legend->addWidget(label(this, nullptr, qs(line)));
  }

  auto* kanryouBtn = button(this, "KanryouBtn", qs("完了（再予想）"));
  auto* allKaijoBtn = button(this, "AllKaijoBtn", qs("度外視を全て解除"));
  auto* outputBtn = button(this, "OutputBtn", qs("出力"));
  auto* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  tojiruBtn->setDefault(true);
  connect(kanryouBtn, &QPushButton::clicked, this, &TShousaiForm::KanryouBtnClick);
  connect(allKaijoBtn, &QPushButton::clicked, this, &TShousaiForm::AllKaijoBtnClick);
  connect(outputBtn, &QPushButton::clicked, this, &TShousaiForm::OutputBtnClick);
  connect(tojiruBtn, &QPushButton::clicked, this, &TShousaiForm::reject);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {kanryouBtn, allKaijoBtn, outputBtn}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(tojiruBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(raceLbl);
  layout->addWidget(table_, 0, Qt::AlignLeft);
  layout->addLayout(legend);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setHints(*this, kHints);

  FillColumns();
  table_->selectSlot(0);
}

void TShousaiForm::buildTable() {
  table_ = new SlotLists(this);
  table_->setObjectName("ShousaiTable");
  UmabanLst = table_->addColumn("UmabanLst", 2, ColumnRole::Number);
  UmaLst = table_->addColumn("UmaLst", 18, ColumnRole::Name);
  ShirushiLst = table_->addColumn("ShirushiLst", 4, ColumnRole::Row);
  // ５走前 leftmost, 前走 beside the 穴馬度.
  const char* runNames[] = {"HyoukaLst1", "HyoukaLst2", "HyoukaLst3", "HyoukaLst4", "HyoukaLst5"};
  for (int run = 5; run >= 1; --run) {
    HyoukaLst[run - 1] = table_->addColumn(runNames[run - 1], 6, ColumnRole::Row);
  }
  KitaiLst = table_->addColumn("KitaiLst", 3, ColumnRole::Row);

  QWidget* t = table_;
  table_->addHeading(label(t, "Label21", qs("馬番")), 0);
  table_->addHeading(label(t, "Label13", qs("馬名（2回ｸﾘｯｸで成績）")), 1);
  table_->addHeading(label(t, "Label9", qs("印")), 2);
  const char* headings[][2] = {{"Hyouka5Lbl", "５走前"}, {"Hyouka4Lbl", "４走前"},
                               {"Hyouka3Lbl", "３走前"}, {"Hyouka2Lbl", "前々走"},
                               {"Hyouka1Lbl", "前走"}};
  int column = 3;
  for (const auto& heading : headings) table_->addHeading(label(t, heading[0], qs(heading[1])), column++);
  table_->addHeading(label(t, "KitaiLbl", qs("穴馬度")), column);

  connect(table_, &SlotLists::selectionChanged, this,
          [this](int slot) { app_.selectedRunner = slot; });
  connect(table_, &SlotLists::selectedRowPressed, this, &TShousaiForm::SelectedRowPress);
}

void TShousaiForm::FillColumns() {
  const DetailColumns c = buildDetailColumns(app_, visit_.releasedFrom());
  table_->setSlots(app_.card);
  table_->setItems(UmabanLst, c.umaban);
  table_->setItems(UmaLst, c.name);
  table_->setItems(ShirushiLst, c.mark);
  for (int run = 1; run <= 5; ++run) table_->setItems(HyoukaLst[run - 1], c.run[run - 1]);
  table_->setItems(KitaiLst, c.longshot);
}

void TShousaiForm::SelectedRowPress(QListWidget* column, int slot) {
  if (column == UmaLst) {
    TGosouForm gosou(app_, this, visit_.releasedFrom());
    gosou.showModal();
    return;
  }
  for (int run = 1; run <= 5; ++run) {
    if (column != HyoukaLst[run - 1]) continue;
    TDogaiForm dogai(app_, visit_, slot, run, this);
    dogai.showModal();
    FillColumns();
    table_->selectSlot(slot);
  }
}

void TShousaiForm::KanryouBtnClick() {
  visit_.confirm();
  accept();
}

void TShousaiForm::AllKaijoBtnClick() {
  if (!visit_.releaseAllRuns()) return;
  FillColumns();
  table_->selectSlot(0);
  accept();
}

void TShousaiForm::OutputBtnClick() {
  TOutputForm output(app_, OutputPage::PredictionDetail,
                     predictionDetailPage(buildDetailColumns(app_, visit_.releasedFrom()),
                                          predictionPageFrame(app_)),
                     this);
  output.showModal();
}

void TShousaiForm::done(int result) {
  visit_.end(result == QDialog::Accepted);
  BaseDialog::done(result);
}

}  // namespace korvane::gui
