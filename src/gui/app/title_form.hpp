#pragma once
// The title window of the start: shown over the main window on its first activation, it loads
// the horses one second later (or sets up the first run from the sample set) and closes itself
// one second after that.

#include "gui/platform/base_dialog.hpp"

class QTimer;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TTitleForm : public BaseDialog {
  Q_OBJECT

 public:
  // Centred on `mainWindow`: TitleLbl, and Timer that ticks every `tickMs`.
  TTitleForm(AppState& app, QWidget* mainWindow, int tickMs = 1000);

  // The first tick: the load of the start, under the hourglass.
  void firstTick();

 public slots:
  // Only the timer closes it: Escape must not skip the load.
  void reject() override {}

 private:
  void TimerTimer();

  AppState& app_;
  QTimer* Timer = nullptr;
  int ticks_ = 0;
};

}  // namespace korvane::gui
