#include "gui/app/horse_list_model.hpp"

#include "core/app/main_lists.hpp"
#include "core/database/horse_store.hpp"
#include "gui/platform/qt_text.hpp"

namespace korvane::gui {

HorseListModel::HorseListModel(const HorseStore& store, QObject* parent)
    : QAbstractListModel(parent), store_(store) {}

int HorseListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : store_.count + kHorseListTail;
}

QVariant HorseListModel::data(const QModelIndex& index, int role) const {
  const int horse = index.isValid() ? horseAt(index.row()) : 0;
  if (role != Qt::DisplayRole || horse == 0) return {};
  return toQt(horseListRow(store_, horse));
}

int HorseListModel::horseAt(int row) const {
  return row >= 0 && row < store_.count ? store_.order[static_cast<std::size_t>(row)] : 0;
}

void HorseListModel::refresh() {
  beginResetModel();
  endResetModel();
}

}  // namespace korvane::gui
