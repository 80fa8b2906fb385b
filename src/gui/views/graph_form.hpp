#pragma once
// The graph window "グラフ表示": the コルバン指数 of every runner as a bar, best first, with the
// ベスト and 負Ｐ places as symbols, and the numbers and names of the runners under the bars.

#include "gui/platform/base_dialog.hpp"

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TGraphForm : public BaseDialog {
  Q_OBJECT

 public:
  TGraphForm(AppState& app, QWidget* owner);
};

}  // namespace korvane::gui
