#include "gui/engine/think_form.hpp"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/engine/think_progress.hpp"
#include "core/flows/prediction.hpp"
#include "core/text/sjis.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/wait_cursor.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

// The run keeps the event loop waiting, so the windows behind are painted by hand at each step.
void repaintWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->repaint();
  }
}

}  // namespace

TThinkForm::TThinkForm(QWidget* over) : BaseDialog(over) {
  withoutCloseBox();
  setWindowTitle(qs("少しお待ち下さい"));

  QLabel* label1 = label(this, "Label1", qs("各馬の能力を比較しています"));
  QLabel* label2 = label(this, "Label2", qs("少しお待ち下さい"));
  WaitLbl = label(this, "WaitLbl", toQt(progressCircles(0)));
  WaitLbl->setFont(fixedFont());

  auto* gauge = new QHBoxLayout;
  gauge->addWidget(label(this, "Label3", qs("0%")));
  gauge->addWidget(WaitLbl);
  gauge->addWidget(label(this, "Label4", qs("100%")));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1, 0, Qt::AlignHCenter);
  layout->addWidget(label2, 0, Qt::AlignHCenter);
  layout->addLayout(gauge);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TThinkForm::showEvent(QShowEvent* event) {
  WaitLbl->setText(toQt(progressCircles(0)));
  BaseDialog::showEvent(event);
}

void TThinkForm::showProgress(int filled) {
  WaitLbl->setText(toQt(progressCircles(filled)));
  repaintWindows();
}

void predictWithProgress(AppState& app, QWidget* over) {
  TThinkForm think(over);
  const WaitCursor hourglass;
  think.show();
  // Once, so that the new window is on screen before the run holds the event loop; the user's
  // clicks and keys wait until the run is over.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaintWindows();
  predictRace(app, [&think](int filled) { think.showProgress(filled); });
  think.hide();
}

}  // namespace korvane::gui
