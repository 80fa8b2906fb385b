#include "gui/engine/think_form.hpp"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/engine/prediction_run.hpp"
#include "core/engine/think_progress.hpp"
#include "gui/platform/centring.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/wait_cursor.hpp"
#include "core/text/sjis.hpp"

namespace korvane::gui {

namespace {

// The run keeps the event loop waiting, so the windows behind are painted by hand at each step.
void repaintWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->repaint();
  }
}

}  // namespace

TThinkForm::TThinkForm(QWidget* over) : QDialog(over), over_(over) {
  withoutSystemMenu(*this);
  setWindowTitle(toQt(sj("少しお待ち下さい")));

  auto label = [this](const char* name, const std::string& text) {
    auto* l = new QLabel(toQt(text), this);
    l->setObjectName(name);
    return l;
  };
  Label1 = label("Label1", sj("各馬の能力を比較しています"));
  Label2 = label("Label2", sj("少しお待ち下さい"));
  Label3 = label("Label3", "0%");
  WaitLbl = label("WaitLbl", progressCircles(0));
  WaitLbl->setFont(fixedFont());
  Label4 = label("Label4", "100%");

  auto* gauge = new QHBoxLayout;
  gauge->addWidget(Label3);
  gauge->addWidget(WaitLbl);
  gauge->addWidget(Label4);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1, 0, Qt::AlignHCenter);
  layout->addWidget(Label2, 0, Qt::AlignHCenter);
  layout->addLayout(gauge);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TThinkForm::showEvent(QShowEvent* event) {
  WaitLbl->setText(toQt(progressCircles(0)));
  centreOn(*this, over_);
  QDialog::showEvent(event);
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
  runPrediction(app, [&think](int filled) { think.showProgress(filled); });
  think.hide();
}

}  // namespace korvane::gui
