#pragma once
// The points window "コルバン指数": every runner in コルバン指数 order with its points, style and
// mark, and beside it its places on ベスト, 負Ｐ and ベスト among the front-runners.

#include "gui/platform/base_dialog.hpp"

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TPointForm : public BaseDialog {
  Q_OBJECT

 public:
  // The result of exec() when the window was left through 各値順位: the prediction screen then
  // opens the rankings.
  static constexpr int kRankingsAsked = 2;

  TPointForm(AppState& app, QWidget* owner);

 private:
  void JuniBtnClick();
  void GraphBtnClick();

  AppState& app_;
};

}  // namespace korvane::gui
