#pragma once
// The quinella odds window (馬連オッズの入力): the odds of the pairs 1-2 … 1-N and 2-3, from
// which 完了 derives every runner's win odds.

#include "core/flows/odds.hpp"
#include "gui/platform/base_dialog.hpp"

class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class SlotLists;

class TInRenForm : public BaseDialog {
  Q_OBJECT

 public:
  // Every pair starts without odds. Over the win odds window, so centred on the prediction
  // screen as that is.
  TInRenForm(AppState& app, QWidget* owner);

 private:
  void FillLists();

  void OddsInputBtnClick();
  void OddsChangeBtnClick();
  void KanryouBtnClick();

  AppState& app_;
  QuinellaOdds odds_;
  AskValue ask_;

  SlotLists* table_;
  QListWidget* UmarenLst;
  QListWidget* OddsLst;
};

}  // namespace korvane::gui
