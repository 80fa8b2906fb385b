#include "core/views/evaluation.hpp"

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/sjis.hpp"
#include "core/views/index_strings.hpp"

namespace korvane {

namespace {

enum class Unscored { NoRun, OtherDistance, Unplaced, Placed };

// Why a run has no score of its own (500): nothing there, a run of another surface or distance
// than this race's, or a run that simply met nobody; a 1st or 2nd place that met nobody may well
// be better than it looks.
Unscored unscoredKind(const AppState& app, int slot, int run) {
  static const std::string none = sj("無");
  const int horse = app.card.runner[slot];
  const std::string surface = runSurface(app.store, horse, run);
  if (surface == none) return Unscored::NoRun;
  const int distance = runDistance(app.store, horse, run);
  if (surface != app.card.surface || distance < app.result.distanceMin ||
      distance > app.result.distanceMax) {
    return Unscored::OtherDistance;
  }
  return runFinish(app.store, horse, run) > 2 ? Unscored::Unplaced : Unscored::Placed;
}

std::string evaluation(const AppState& app, const DisregardFlags* releasedFrom, int slot, int run,
                       bool cell) {
  static const std::string disregarded = sj("(度外)"), released = sj("(解除)"), noRun = sj(" なし"),
                           otherDistance = sj(" 他距"), caution = sj("<注意>");
  if (app.card.disregard[slot][run]) return disregarded;
  if (releasedFrom != nullptr && (*releasedFrom)[slot][run]) return released;
  const std::int32_t s = app.result.runner[slot].runScore[run];
  if (s < kNoComparison) return "-" + pointsText(s) + "-";
  if (s > kNoComparison) {
    const std::string sign = s < 520 ? "+" : "*";
    return sign + pointsText(s) + sign;
  }
  const std::string pad = cell ? " " : "";
  switch (unscoredKind(app, slot, run)) {
    case Unscored::NoRun:
      return noRun + pad;
    case Unscored::OtherDistance:
      return otherDistance + pad;
    case Unscored::Unplaced:
      return " 50.0" + pad;
    case Unscored::Placed:
      break;
  }
  return caution;
}

bool inRange(int slot, int run) {
  return slot >= 1 && slot <= kMaxRunners && run >= 1 && run <= 5;
}

}  // namespace

std::string runEvaluation(const AppState& app, const DisregardFlags* releasedFrom, int slot,
                          int run) {
  return inRange(slot, run) ? evaluation(app, releasedFrom, slot, run, false) : std::string();
}

std::string runEvaluationCell(const AppState& app, const DisregardFlags* releasedFrom, int slot,
                              int run) {
  return inRange(slot, run) ? evaluation(app, releasedFrom, slot, run, true) : std::string();
}

}  // namespace korvane
