#pragma once
// The win odds window (オッズの入力): every runner's popularity and win odds, typed one by one,
// corrected, cleared, or derived from a few quinella odds.

#include <string>
#include <vector>

#include "core/flows/odds.hpp"
#include "core/views/prediction_columns.hpp"
#include "gui/platform/base_dialog.hpp"

class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class SlotLists;

class TOddsForm : public BaseDialog {
  Q_OBJECT

 public:
  // 馬番 and 馬名 as the prediction screen shows them: its 馬番 column, and the name items of the
  // race's runners.
  TOddsForm(AppState& app, const PredictionColumns& shown, QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillLists();

  void OddsInputBtnClick();
  void OddsChangeBtnClick();
  void OddsClearBtnClick();
  void RenOddsBtnClick();
  void KanryouBtnClick();

  AppState& app_;
  std::vector<std::string> umaban_;
  std::vector<std::string> names_;
  AskValue ask_;

  SlotLists* table_;
  QListWidget* UmabanLst;
  QListWidget* UmaLst;
  QListWidget* NinkiLst;
  QListWidget* OddsLst;
};

}  // namespace korvane::gui
