#pragma once
// The main window's horse list, in the display order by name.

#include <QAbstractListModel>

namespace korvane {
class HorseStore;
}  // namespace korvane

namespace korvane::gui {

// The horse list's rows, made only for the rows on screen: a full database is 12000 horses.
class HorseListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit HorseListModel(const HorseStore& store, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // After the store changed.
  void refresh();
  // The horse shown on the row; 0 for the empty rows after the last horse.
  int horseAt(int row) const;

 private:
  const HorseStore& store_;
};

}  // namespace korvane::gui
