#include "core/flows/detail_visit.hpp"

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

DetailVisit::DetailVisit(AppState& app) : app_(app), atOpening_(app.card.disregard) {}

// Only runs of a horse in the race can be disregarded; a scratched slot cannot be chosen.
bool DetailVisit::choosable(int slot, int run) const {
  return slot >= 1 && slot <= app_.card.runnerCount && slot <= kMaxRunners &&
         app_.card.runner[slot] != 0 && run >= 1 && run <= 5;
}

void DetailVisit::askForNewPrediction() {
  repredict_ = true;
  app_.store.modified = true;
}

bool DetailVisit::disregardRun(int slot, int run) {
  if (!choosable(slot, run) || app_.card.disregard[slot][run]) return false;
  app_.card.disregard[slot][run] = true;
  return true;
}

bool DetailVisit::releaseRun(int slot, int run) {
  if (!choosable(slot, run) || !app_.card.disregard[slot][run]) return false;
  app_.card.disregard[slot][run] = false;
  return true;
}

bool DetailVisit::releaseAllRuns() {
  if (!app_.dialogs.confirm(sj("度外視指定を全て解除します。"), sj("よろしいですか？"))) {
    return false;
  }
  for (auto& runs : app_.card.disregard) runs.fill(false);
  askForNewPrediction();
  return true;
}

void DetailVisit::confirm() {
  askForNewPrediction();
}

void DetailVisit::end(bool ok) {
  if (ok) {
    recomputeAnyDisregard(app_.card);
  } else {
    app_.card.disregard = atOpening_;
  }
  open_ = false;
}

}  // namespace korvane
