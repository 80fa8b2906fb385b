#pragma once
// The past-runs screen "競走馬情報": the selected runner's five runs, oldest first, each with its
// evaluation beside it. Read only.

#include "core/database/race_card.hpp"
#include "gui/platform/base_dialog.hpp"

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TGosouForm : public BaseDialog {
  Q_OBJECT

 public:
  // Shows AppState::selectedRunner, centred on `over` (the screen it was opened from): the name
  // in BameiLbl, the runs in SeisekiLst, their evaluations in HyoukaLst, and TojiruBtn. Opened
  // from the detail screen, `releasedFrom` is its visit's flags at the opening.
  TGosouForm(const AppState& app, QWidget* over, const DisregardFlags* releasedFrom = nullptr);
};

}  // namespace korvane::gui
