#include "gui/engine/tenkai_form.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/engine/race_conditions.hpp"
#include "gui/platform/centring.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "core/text/sjis.hpp"

namespace korvane::gui {

TTenkaiForm::TTenkaiForm(AppState& app, QWidget* parent)
    : QDialog(parent), app_(app), chosen_(app.card.development) {
  setWindowTitle(toQt(sj("展開予想の入力")));

  TenkaiLst = new QListWidget(this);
  TenkaiLst->setObjectName("TenkaiLst");
  TenkaiLst->setFont(fixedFont());
  TenkaiLst->setSelectionMode(QAbstractItemView::SingleSelection);
  TenkaiLst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TenkaiLst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (const std::string& development : developments()) TenkaiLst->addItem(toQt(development));
  TenkaiLst->setFixedHeight(TenkaiLst->count() * TenkaiLst->sizeHintForRow(0) +
                            2 * TenkaiLst->frameWidth());
  TenkaiLst->setMinimumWidth(TenkaiLst->sizeHintForColumn(0) + 2 * TenkaiLst->frameWidth() + 8);
  TenkaiLst->viewport()->installEventFilter(this);

  HyoujunBtn = new QPushButton(toQt(sj("標準設定")), this);
  HyoujunBtn->setObjectName("HyoujunBtn");
  HyoujunBtn->setToolTip(toQt(sj("「逃げ先行有利」にセットされます。")));
  HyoujunBtn->setAutoDefault(false);
  KanryouBtn = new QPushButton(toQt(sj("完了")), this);
  KanryouBtn->setObjectName("KanryouBtn");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(HyoujunBtn);
  buttons->addWidget(KanryouBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TenkaiLst);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  selectDevelopment(app_.card.development);

  connect(TenkaiLst, &QListWidget::itemClicked, this, &TTenkaiForm::TenkaiLstClick);
  connect(TenkaiLst, &QListWidget::itemDoubleClicked, this, &TTenkaiForm::TenkaiLstDblClick);
  connect(HyoujunBtn, &QPushButton::clicked, this, &TTenkaiForm::HyoujunBtnClick);
  connect(KanryouBtn, &QPushButton::clicked, this, &TTenkaiForm::KanryouBtnClick);
}

void TTenkaiForm::showEvent(QShowEvent* event) {
  centreOn(*this, parentWidget());
  QDialog::showEvent(event);
}

// The press is seen before the list moves its selection, so a click can tell whether it fell on
// the development that was already chosen.
bool TTenkaiForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TenkaiLst->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto rows = TenkaiLst->selectionModel()->selectedRows();
    rowBeforePress_ = rows.isEmpty() ? -1 : rows.front().row();
  }
  return QDialog::eventFilter(watched, event);
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
