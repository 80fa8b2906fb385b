#include "core/flows/run_entry_window.hpp"

#include "core/app/dialogs.hpp"
#include "core/entry/entry_texts.hpp"

namespace korvane {

RunEntryWindow::RunEntryWindow(Dialogs& dialogs, RunEntry entry)
    : dialogs_(dialogs), entry_(std::move(entry)) {}

bool RunEntryWindow::complete() {
  // A run stored without a racecourse would lose the code in front of its date.
  if (!entry_.hasRacecourse()) {
    dialogs_.message(noRacecourseMessage());
    return false;
  }
  const Pace pace = entry_.pace();
  if (pace != Pace::Plausible) {
    const Question q = pace == Pace::TooFast ? tooFastQuestion() : tooSlowQuestion();
    if (!dialogs_.confirm(q.first, q.second)) return false;
  }
  if (!entry_.timeEntered()) {
    dialogs_.message(noTimeMessage());
    return false;
  }
  run_ = entry_.completedRun();
  return true;
}

void RunEntryWindow::noData() {
  run_ = entry_.noDataRun();
}

}  // namespace korvane
