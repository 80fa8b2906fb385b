#pragma once
// The progress window of the prediction run: ten circles fill while the runners are compared.

#include "gui/platform/base_dialog.hpp"

class QLabel;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TThinkForm : public BaseDialog {
  Q_OBJECT

 public:
  // Centred on `over` when shown: Label1 and Label2 say what goes on, WaitLbl between Label3
  // (0%) and Label4 (100%) shows the progress.
  explicit TThinkForm(QWidget* over);

  // Shows `filled` circles done and repaints at once: the run does not return to the event loop
  // until it is over.
  void showProgress(int filled);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* WaitLbl;
};

// Runs the prediction of the race card behind the progress window centred on `over`, with the
// hourglass cursor, repainting every window at each step; the window is gone when it returns.
void predictWithProgress(AppState& app, QWidget* over);

}  // namespace korvane::gui
