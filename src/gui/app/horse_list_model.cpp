#include "app/horse_list_model.hpp"

#include "app/main_lists.hpp"
#include "database/horse_store.hpp"
#include "platform/qt_text.hpp"

namespace korvane::gui {

HorseListModel::HorseListModel(const HorseStore& store, QObject* parent)
    : QAbstractListModel(parent), store_(store) {}

int HorseListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : store_.count + kHorseListTail;
}

QVariant HorseListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= store_.count) return {};
  return toQt(horseListRow(store_, store_.order[static_cast<std::size_t>(index.row())]));
}

void HorseListModel::refresh() {
  beginResetModel();
  endResetModel();
}

}  // namespace korvane::gui
