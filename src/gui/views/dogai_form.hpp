#pragma once
// The disregard dialog "成績を度外視": one past run of one runner, to be left out of the
// prediction (指定) or taken back into it (解除).

#include "gui/platform/base_dialog.hpp"

namespace korvane {
struct AppState;
class DetailVisit;
}

namespace korvane::gui {

class TDogaiForm : public BaseDialog {
  Q_OBJECT

 public:
  // Run `run` (1 = 前走 .. 5) of runner slot `slot`, over the detail screen `owner`.
  TDogaiForm(const AppState& app, DetailVisit& visit, int slot, int run, QWidget* owner);

 private:
  void ShiteiBtnClick();
  void KaijoBtnClick();

  DetailVisit& visit_;
  int slot_;
  int run_;
};

}  // namespace korvane::gui
