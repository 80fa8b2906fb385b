#include "gui/app/title_form.hpp"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/flows/startup.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/wait_cursor.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

TTitleForm::TTitleForm(AppState& app, QWidget* mainWindow, int tickMs)
    : BaseDialog(mainWindow), app_(app) {
  setObjectName("TTitleForm");
  withoutCloseBox();
  setWindowTitle(toQt(titleCaption(false)));
  QLabel* titleLbl = label(this, "TitleLbl", qs("コルバン"));
  QFont big = titleLbl->font();
  big.setPointSize(36);
  big.setBold(true);
  titleLbl->setFont(big);
  titleLbl->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(64, 40, 64, 40);
  layout->addWidget(titleLbl);
  setFixedSize(sizeHint().expandedTo(QSize(420, 0)));

  Timer = new QTimer(this);
  Timer->setObjectName("Timer");
  Timer->setInterval(tickMs);
  connect(Timer, &QTimer::timeout, this, &TTitleForm::TimerTimer);
  Timer->start();
}

void TTitleForm::TimerTimer() {
  if (++ticks_ == 1) {
    // A message of the load (a damaged file) must not let the second tick close the window
    // under it: the second second starts when the load is done.
    Timer->stop();
    firstTick();
    Timer->start();
  } else {
    Timer->stop();
    accept();
  }
}

void TTitleForm::firstTick() {
  const WaitCursor hourglass;
  app_.custom.file = newCustomFileName();
  if (isFirstRun(app_)) {
    setWindowTitle(toQt(titleCaption(true)));
    repaint();
  }
  loadAtStartup(app_);
}

}  // namespace korvane::gui
