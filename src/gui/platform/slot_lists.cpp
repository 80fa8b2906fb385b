#include "gui/platform/slot_lists.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "core/database/race_card.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

SlotColumn::SlotColumn(QWidget* parent) : QListWidget(parent) {}

void SlotColumn::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressedAt(event->position().toPoint().y());
  event->accept();
}

void SlotColumn::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void SlotColumn::mouseMoveEvent(QMouseEvent* event) {
  emit pointerAt(event->position().toPoint().y());
  event->accept();
}

void SlotColumn::leaveEvent(QEvent* event) {
  QListWidget::leaveEvent(event);
  emit pointerLeft();
}

void SlotColumn::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}

SlotLists::SlotLists(QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this)), rowHeight_(fixedRowHeight()) {
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setHorizontalSpacing(2);
  grid_->setVerticalSpacing(0);
}

SlotColumn* SlotLists::addColumn(const QString& name, int widthBytes, ColumnRole role) {
  auto* list = new SlotColumn(this);
  list->setObjectName(name);
  shapeFixedList(*list, widthBytes, kRows);
  list->setFocusPolicy(Qt::NoFocus);
  list->setSelectionMode(role == ColumnRole::Number ? QAbstractItemView::NoSelection
                                                    : QAbstractItemView::SingleSelection);

  const int index = static_cast<int>(columns_.size());
  columns_.push_back(Column{list, role});
  grid_->addWidget(list, 2, index, Qt::AlignTop);
  if (role != ColumnRole::Own) {
    connect(list, &SlotColumn::pressedAt, this,
            [this, index](int y) { columnPressed(columns_[static_cast<std::size_t>(index)], y); });
  }
  return list;
}

void SlotLists::addHeading(QWidget* heading, int column, int span, int level) {
  grid_->addWidget(heading, level, column, 1, span, Qt::AlignBottom | Qt::AlignHCenter);
}

void SlotLists::addFooter(QWidget* footer, int column) {
  footer->setFixedWidth(columns_[static_cast<std::size_t>(column)].list->width());
  grid_->addWidget(footer, 3, column, Qt::AlignTop);
}

void SlotLists::addHeadingOver(QLabel* heading, int column, int level) {
  // The heading starts at the table's left edge and is made twice as wide as the distance to
  // its column's middle, its text centred in it, once the columns have their places.
  heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  grid_->addWidget(heading, level, 0, 1, static_cast<int>(columns_.size()),
                   Qt::AlignLeft | Qt::AlignBottom);
  over_.push_back(Over{heading, column});
}

void SlotLists::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (const Over& over : over_) {
    const QRect column = columns_[static_cast<std::size_t>(over.column)].list->geometry();
    over.heading->setFixedWidth(2 * column.center().x());
  }
}

void SlotLists::setSlots(const TRaceCard& card) {
  setRows(card.runnerCount);
  for (int k = 1; k <= runnerCount_; ++k) {
    scratched_[static_cast<std::size_t>(k - 1)] = card.runner[static_cast<std::size_t>(k)] == 0;
  }
  if (!selectable(selected_)) selectSlot(0);
}

void SlotLists::setRows(int count) {
  runnerCount_ = std::clamp(count, 0, kRows);
  scratched_.assign(static_cast<std::size_t>(runnerCount_), false);
  if (!selectable(selected_)) selectSlot(0);
}

void SlotLists::setItems(QListWidget* column, const std::vector<std::string>& items) {
  setFixedLines(*column, items);
  for (const Column& c : columns_) {
    if (c.list == column) showSelection(c);
  }
}

bool SlotLists::selectable(int slot) const {
  return slot >= 1 && slot <= runnerCount_ && !scratched_[static_cast<std::size_t>(slot - 1)];
}

void SlotLists::showSelection(const Column& column) const {
  if (column.role == ColumnRole::Number || column.role == ColumnRole::Own) return;
  const int row = selected_ - 1;
  if (selected_ == 0 || row >= column.list->count()) {
    column.list->clearSelection();
    column.list->setCurrentRow(-1);
  } else {
    column.list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  }
}

void SlotLists::selectSlot(int slot) {
  selected_ = selectable(slot) ? slot : 0;
  for (const Column& column : columns_) showSelection(column);
  emit selectionChanged(selected_);
}

void SlotLists::columnPressed(const Column& column, int y) {
  if (column.role == ColumnRole::Number) {
    selectSlot(0);
    return;
  }
  const int slot = y / rowHeight_ + 1;
  if (slot > runnerCount_ && column.role == ColumnRole::Name) return;
  if (slot == selected_ && selected_ != 0) {
    emit selectedRowPressed(column.list, slot);
    return;
  }
  selectSlot(slot);
}

}  // namespace korvane::gui
