#pragma once
// The development choice window (展開予想の入力). It only answers which development was chosen;
// the prediction screen stores it and marks the race again.

#include <string>

#include "gui/platform/base_dialog.hpp"

class QListWidget;
class QListWidgetItem;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TTenkaiForm : public BaseDialog {
  Q_OBJECT

 public:
  // Centred on `parent` (the prediction screen): the developments in TenkaiLst, HyoujunBtn and
  // KanryouBtn. showModal() is true when a development was chosen.
  TTenkaiForm(AppState& app, QWidget* parent);

  // The development chosen (cp932); the race's own while nothing else was selected.
  std::string chosenDevelopment() const { return chosen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TenkaiLstClick(QListWidgetItem* item);
  void TenkaiLstDblClick(QListWidgetItem* item);
  void HyoujunBtnClick();
  void KanryouBtnClick();

  void selectDevelopment(const std::string& development);
  void takeSelection();

  AppState& app_;
  QListWidget* TenkaiLst;
  std::string chosen_;
  int rowBeforePress_ = -1;  // the selected row when the mouse went down on the list
};

}  // namespace korvane::gui
