#pragma once
// The past-runs screen "競走馬情報": the selected runner's five runs, oldest first, each with its
// evaluation beside it. Read only.

#include "gui/platform/base_dialog.hpp"

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TGosouForm : public BaseDialog {
  Q_OBJECT

 public:
  // Shows AppState::selectedRunner, centred on `over` (the screen it was opened from): the name
  // in BameiLbl, the runs in SeisekiLst, their evaluations in HyoukaLst, and TojiruBtn.
  TGosouForm(AppState& app, QWidget* over);
};

}  // namespace korvane::gui
