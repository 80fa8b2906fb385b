#include "core/views/disregard.hpp"

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

// Only runs of a horse in the race can be disregarded; a scratched slot cannot be chosen.
bool choosable(const AppState& app, int slot, int run) {
  return slot >= 1 && slot <= app.card.runnerCount && slot <= kMaxRunners &&
         app.card.runner[slot] != 0 && run >= 1 && run <= 5;
}

void askForNewPrediction(AppState& app) {
  app.disregardVisit.repredict = true;
  app.store.modified = true;
}

}  // namespace

void beginDetailVisit(AppState& app) {
  app.disregardVisit.repredict = false;
  app.disregardVisit.snapshot = app.card.disregard;
  app.disregardVisit.open = true;
}

bool disregardRun(AppState& app, int slot, int run) {
  if (!choosable(app, slot, run) || app.card.disregard[slot][run]) return false;
  app.card.disregard[slot][run] = true;
  return true;
}

bool releaseRun(AppState& app, int slot, int run) {
  if (!choosable(app, slot, run) || !app.card.disregard[slot][run]) return false;
  app.card.disregard[slot][run] = false;
  return true;
}

bool releaseAllRuns(AppState& app) {
  if (!app.dialogs.confirm(sj("度外視指定を全て解除します。"), sj("よろしいですか？"))) {
    return false;
  }
  for (auto& runs : app.card.disregard) runs.fill(false);
  askForNewPrediction(app);
  return true;
}

void confirmDisregard(AppState& app) {
  askForNewPrediction(app);
}

void endDetailVisit(AppState& app, bool ok) {
  if (ok) {
    recomputeAnyDisregard(app.card);
    app.disregardVisit.snapshot = app.card.disregard;
  } else {
    app.card.disregard = app.disregardVisit.snapshot;
  }
  app.disregardVisit.open = false;
}

std::string disregardLabel(const TRaceCard& card) {
  for (int k = 1; k <= card.runnerCount && k <= kMaxRunners; ++k) {
    for (int r = 1; r <= 5; ++r) {
      if (card.disregard[k][r]) return sj("あり");
    }
  }
  return sj("なし");
}

}  // namespace korvane
