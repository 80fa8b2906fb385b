#include "core/engine/marking.hpp"

#include "core/engine/mark_list.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

namespace {

bool strong(const RunnerResult& r) {
  return r.korvane > kNoComparison;
}

}  // namespace

void markStandard(const TRaceCard& card, const std::string& development, TYosouResult& result) {
  const auto& dev = developments();
  const bool decisive = development == dev[0] || development == dev[4];
  MarkList list(card, result);
  int favoured = 0;  // runners the development suits, marked by the middle blocks

  // In a race that one way of running is sure to decide, the strong runners suited by it first.
  if (decisive) {
    list.fill(result.korvaneOrder, 2,
              [](const RunnerResult& r) { return strong(r) && r.styleFit == 2; });
  }
  list.first(
      result.korvaneOrder, [](const RunnerResult& r) { return strong(r) && r.styleFit >= 1; },
      &favoured);
  list.fill(result.korvaneOrder, 4, strong, &favoured);
  // No defeat and no level record against anyone, and proven on good runs: a hidden chance.
  list.first(
      result.losePOrder,
      [](const RunnerResult& r) { return r.loseP == 0 && r.power > kNoComparison; }, &favoured);
  list.fill(result.korvaneOrder, 5, strong, &favoured);
  list.fill(
      result.bestOrder, 6, [](const RunnerResult& r) { return r.bestRank <= 5; }, &favoured);
  if (favoured < 2) {
    list.first(result.bestOrder, [](const RunnerResult& r) { return r.styleFit == 2; });
  }
  list.fill(result.bestOrder, 7, [](const RunnerResult& r) { return r.bestRank <= 5; });
  list.fill(result.losePOrder, 7,
            [](const RunnerResult& r) { return r.losePRank <= 5 && r.ability >= kNoComparison; });
  list.fill(result.korvaneOrder, 7, strong);
  list.fill(result.allDistanceOrder, 7,
            [](const RunnerResult& r) { return r.allDistance > kNoComparison; });
  list.fill(result.korvaneOrder, 7, [](const RunnerResult& r) { return r.form == 3; });
}

void rateConfidence(BetDisplay betDisplay, TYosouResult& result) {
  BetKind cls = BetKind::None;
  int confidence = 0;
  if (result.markCount >= 1) {
    const RunnerResult& top = result.runner[result.markOrder[0]];
    if (result.markCount == 1) {
      cls = BetKind::OneAxis;
      confidence = 80;  // a lone strong runner
    } else if (top.power > kNoComparison && top.ability > kNoComparison && top.styleFit != 0) {
      cls = BetKind::TwoAxes;
      confidence = 35;
      for (std::int32_t rank : {top.powerRank, top.abilityRank, top.bestRank, top.lastRunRank}) {
        confidence += rank == 1 ? 5 : rank == 2 ? 2 : 0;
      }
      if (top.loseP == 0) confidence += 5;
      if (top.form == 3) confidence += 5;
    } else {
      cls = BetKind::Box;
      confidence = 30;
    }
  }
  switch (betDisplay) {
    case BetDisplay::Box:
      cls = BetKind::Box;
      break;  // ボックス買い: never an axis
    case BetDisplay::Standard:
    case BetDisplay::OneOrTwoAxes:
      if (cls == BetKind::Box) cls = BetKind::TwoAxes;
      break;
    case BetDisplay::OneAxis:
      cls = BetKind::OneAxis;
      break;  // always one axis
  }
  result.confidence = confidence;
  result.confidenceClass = cls;
}

}  // namespace korvane
