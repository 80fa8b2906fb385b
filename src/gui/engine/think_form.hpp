#pragma once
// The progress window of the prediction run: ten circles fill while the runners are compared.

#include <QDialog>

class QLabel;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TThinkForm : public QDialog {
  Q_OBJECT

 public:
  // Centred on `over` when shown.
  explicit TThinkForm(QWidget* over);

  // Shows `filled` circles done and repaints at once: the run does not return to the event loop
  // until it is over.
  void showProgress(int filled);

  QLabel* Label1;  // 各馬の能力を比較しています
  QLabel* Label2;  // 少しお待ち下さい
  QLabel* Label3;  // 0%
  QLabel* WaitLbl;
  QLabel* Label4;  // 100%

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* over_;
};

// Runs the prediction of the race card behind the progress window centred on `over`, with the
// hourglass cursor, repainting every window at each step; the window is gone when it returns.
void predictWithProgress(AppState& app, QWidget* over);

}  // namespace korvane::gui
