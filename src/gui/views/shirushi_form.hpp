#pragma once
// The marks screen "各展開による印": who would be marked under each of the five developments,
// side by side, with the reliability of the top mark under each. Changes nothing of the race.

#include "gui/platform/base_dialog.hpp"

class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class SlotLists;

class TShirushiForm : public BaseDialog {
  Q_OBJECT

 public:
  TShirushiForm(AppState& app, QWidget* owner);

 private:
  void UmaLstSelectedPress(QListWidget* column, int slot);

  AppState& app_;
  SlotLists* table_;
  QListWidget* UmaLst;
};

}  // namespace korvane::gui
