#include "core/engine/prediction_run.hpp"

#include "core/app/app_state.hpp"
#include "core/custom/custom_marking.hpp"
#include "core/engine/index_orders.hpp"
#include "core/engine/indexes.hpp"
#include "core/engine/marking.hpp"
#include "core/engine/race_style.hpp"

namespace korvane {

namespace {

// The marking mode picks who fills markOrder: the standard way by the コルバン指数, or the
// user's committed rules.
void markRunners(const AppState& app, TYosouResult& result) {
  if (app.settings.shirushi == 1) {
    markCustom(app.card, app.custom.rules, result);
  } else {
    markStandard(app.card, result);
  }
}

}  // namespace

void runPrediction(AppState& app, const ProgressFn& progress) {
  auto report = [&progress](int filled) {
    if (progress) progress(filled);
  };
  const TRaceCard& card = app.card;
  PredictionEngine& engine = app.engine;
  TYosouResult& result = app.result;
  const int n = slotCount(card);

  result = TYosouResult{};
  result.runnerCount = n;
  fillRunCache(engine.runs, app.store, card);
  findAllMeetings(engine.meetings, engine.runs, card);
  report(1);

  comparisonPass(engine.tallies, engine.runs, engine.meetings, card, card.distance,
                 [&report] { report(2); });
  report(3);
  const DistanceWindow raceWindow = engine.tallies.window;
  result.distanceMin = raceWindow.min;
  result.distanceMax = raceWindow.max;
  abilityPowerLoseP(engine.tallies, card, result, engine.abilityRanks);

  // 全距離 looks at every distance and surface; the race's own window comes back afterwards.
  comparisonPass(engine.tallies, engine.runs, engine.meetings, card, 0, [&report] { report(4); });
  engine.tallies.window = raceWindow;
  allDistanceFromPass(engine.tallies, card, result);
  report(5);

  runScores(engine.runs, engine.meetings, card, raceWindow, engine.abilityRanks, result,
            [&report](int run) { report(5 + run); });
  formGrades(engine.runs, card, raceWindow, result);

  for (int k = 1; k <= n; ++k) {
    result.runner[k].raceStyle = raceStyle(engine.runs, app.store, card, raceWindow, k);
  }
  result.standardDevelopment =
      standardDevelopment(card.surface, card.course, card.distance, card.going);

  korvaneIndex(card, result);
  result.korvaneOrder = indexOrder(result, n, OrderKind::Korvane);
  remark(app);
}

void remark(AppState& app) {
  TYosouResult& result = app.result;
  const int n = result.runnerCount;
  const int developmentRowOfRace = developmentRow(app.card.development);
  for (int k = 1; k <= n; ++k) {
    RunnerResult& r = result.runner[k];
    r.styleFit = styleFitInRow(r.raceStyle, developmentRowOfRace);
  }
  buildMarkingOrders(result, n);
  markRunners(app, result);
  rateConfidence(app.settings, result);
}

}  // namespace korvane
