#pragma once
// The rankings window "各数値の上位順": the top horses of each index side by side and the marks of
// the prediction. A click on a horse marks it in every list that holds it.

#include <array>

#include "core/views/rankings.hpp"
#include "gui/platform/base_dialog.hpp"

class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TJuniForm : public BaseDialog {
  Q_OBJECT

 public:
  TJuniForm(AppState& app, QWidget* owner);

 private:
  QListWidget* addList(RankingList which, const char* name, int widthBytes, int rows);
  void ListPress(RankingList which, int y);
  void ShowHighlight();
  void PointBtnClick();

  AppState& app_;
  RankingsView view_;
  int selectedHorse_ = 0;  // the runner slot marked in every list, 0 for none
  std::array<QListWidget*, kRankingLists> lists_{};
};

}  // namespace korvane::gui
