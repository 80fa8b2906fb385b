#include "core/engine/prediction_run.hpp"

#include "core/engine/custom_marking.hpp"
#include "core/engine/index_orders.hpp"
#include "core/engine/indexes.hpp"
#include "core/engine/marking.hpp"
#include "core/engine/race_style.hpp"

namespace korvane {

namespace {

// The marking mode picks who fills markOrder: the standard way by the コルバン指数, or the
// user's committed rules.
void markRunners(const TRaceCard& card, const std::string& development, const Marking& marking,
                 TYosouResult& result) {
  if (marking.mode == MarkingMode::Custom) {
    markCustom(card, development, marking.rules, result);
  } else {
    markStandard(card, development, result);
  }
}

}  // namespace

TYosouResult runPrediction(PredictionEngine& engine, const HorseStore& store, const TRaceCard& card,
                           const Marking& marking, const ProgressFn& progress) {
  auto report = [&progress](int filled) {
    if (progress) progress(filled);
  };
  const int n = slotCount(card);

  TYosouResult result;
  result.runnerCount = n;
  fillRunCache(engine.runs, store, card);
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
    result.runner[k].raceStyle = raceStyle(engine.runs, store, card, raceWindow, k);
  }
  result.standardDevelopment =
      standardDevelopment(card.surface, card.course, card.distance, card.going);

  korvaneIndex(card, result);
  result.korvaneOrder = indexOrder(result, n, OrderKind::Korvane);
  remark(result, card, card.development, marking);
  return result;
}

void remark(TYosouResult& result, const TRaceCard& card, const std::string& development,
            const Marking& marking) {
  const int n = result.runnerCount;
  const int developmentRowOfRace = developmentRow(development);
  for (int k = 1; k <= n; ++k) {
    RunnerResult& r = result.runner[k];
    r.styleFit = styleFitInRow(r.raceStyle, developmentRowOfRace);
  }
  buildMarkingOrders(result, n);
  markRunners(card, development, marking, result);
  rateConfidence(marking.betDisplay, result);
}

}  // namespace korvane
