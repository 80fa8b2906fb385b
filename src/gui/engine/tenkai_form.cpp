#include "gui/engine/tenkai_form.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/engine/race_conditions.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

constexpr Hint kHints[] = {
    {"HyoujunBtn", "「逃げ先行有利」にセットされます。"},
};

}  // namespace

TTenkaiForm::TTenkaiForm(AppState& app, QWidget* parent)
    : BaseDialog(parent), app_(app), chosen_(app.card.development) {
  setWindowTitle(qs("展開予想の入力"));

  TenkaiLst = choiceList(this, "TenkaiLst", developments());
  // As wide as the window: the list spans the buttons below it.
  TenkaiLst->setMaximumWidth(QWIDGETSIZE_MAX);
  TenkaiLst->viewport()->installEventFilter(this);

  QPushButton* hyoujunBtn = button(this, "HyoujunBtn", qs("標準設定"));
  hyoujunBtn->setAutoDefault(false);
  QPushButton* kanryouBtn = button(this, "KanryouBtn", qs("完了"));
  setHints(*this, kHints);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(hyoujunBtn);
  buttons->addWidget(kanryouBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TenkaiLst);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  selectDevelopment(app_.card.development);

  connect(TenkaiLst, &QListWidget::itemClicked, this, &TTenkaiForm::TenkaiLstClick);
  connect(TenkaiLst, &QListWidget::itemDoubleClicked, this, &TTenkaiForm::TenkaiLstDblClick);
  connect(hyoujunBtn, &QPushButton::clicked, this, &TTenkaiForm::HyoujunBtnClick);
  connect(kanryouBtn, &QPushButton::clicked, this, &TTenkaiForm::KanryouBtnClick);
}

// The press is seen before the list moves its selection, so a click can tell whether it fell on
// the development that was already chosen.
bool TTenkaiForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TenkaiLst->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto rows = TenkaiLst->selectionModel()->selectedRows();
    rowBeforePress_ = rows.isEmpty() ? -1 : rows.front().row();
  }
  return BaseDialog::eventFilter(watched, event);
}

void TTenkaiForm::selectDevelopment(const std::string& development) {
  const auto& texts = developments();
  for (int row = 0; row < static_cast<int>(texts.size()); ++row) {
    if (texts[row] == development) {
      TenkaiLst->setCurrentRow(row);
      return;
    }
  }
  TenkaiLst->clearSelection();
}

void TTenkaiForm::takeSelection() {
  const auto rows = TenkaiLst->selectionModel()->selectedRows();
  if (!rows.isEmpty()) chosen_ = developments()[rows.front().row()];
}

// A first click only moves the choice; clicking the chosen development again confirms it.
void TTenkaiForm::TenkaiLstClick(QListWidgetItem* item) {
  const int row = TenkaiLst->row(item);
  if (row >= 0 && row == rowBeforePress_) KanryouBtnClick();
  rowBeforePress_ = row;
}

void TTenkaiForm::TenkaiLstDblClick(QListWidgetItem* /*item*/) {
  KanryouBtnClick();
}

void TTenkaiForm::HyoujunBtnClick() {
  selectDevelopment(standardDevelopmentOf(app_.card));
  KanryouBtnClick();
}

void TTenkaiForm::KanryouBtnClick() {
  takeSelection();
  accept();
}

}  // namespace korvane::gui
