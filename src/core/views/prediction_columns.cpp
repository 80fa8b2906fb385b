#include "core/views/prediction_columns.hpp"

#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"
#include "core/views/index_strings.hpp"

namespace korvane {

PredictionColumns buildPredictionColumns(const AppState& app) {
  static const std::string scratchedName = sj("（ 出 走 取 消 ） "), standard = sj("標準"),
                           own = sj("独自");
  const TYosouResult& result = app.result;
  const TRaceCard& card = app.card;
  const int n = result.runnerCount;

  PredictionColumns c;
  // Sized up front: growing eleven vectors of strings one runner at a time moved every cell
  // several times over.
  c.umaban.reserve(kMaxRunners);
  for (auto* column : {&c.name, &c.mark, &c.style, &c.ability, &c.power, &c.loseP, &c.best,
                       &c.lastRun, &c.allDistance, &c.form}) {
    column->reserve(static_cast<std::size_t>(std::max(n, 0)));
  }
  for (int k = 1; k <= kMaxRunners; ++k) c.umaban.push_back(slotNumber(k));
  for (int k = 1; k <= n; ++k) {
    const RunnerResult& r = result.runner[k];
    const bool scratched = card.runner[k] == 0;
    c.name.push_back(scratched ? scratchedName
                               : fitBytes(horseName(app.store, card.runner[k]), 18));
    c.mark.push_back(unmarkedCell(r.power, r.allDistance, r.losePZero, r.losePRank));
    c.style.push_back(styleCell(r.raceStyle, r.styleFit));
    c.ability.push_back(pointsCell(r.ability, r.abilityRank));
    c.power.push_back(pointsCell(r.power, r.powerRank));
    c.loseP.push_back(losePCell(r.loseP, r.losePRank));
    c.best.push_back(pointsCell(r.best, r.bestRank));
    c.lastRun.push_back(pointsCell(r.lastRun, r.lastRunRank));
    c.allDistance.push_back(pointsCell(r.allDistance, r.allDistanceRank));
    c.form.push_back(formCell(r.form, scratched));
  }
  for (int m = 0; m < result.markCount && m < kMaxMarks; ++m) {
    const int slot = result.markOrder[m];
    if (slot >= 1 && slot <= n) {
      c.mark[slot - 1] = markedCell(markSymbol(app.settings.symbols, m + 1));
    }
  }
  c.reliability = reliabilityText(result.confidence);
  c.development = card.development;
  c.developmentLabel = card.development == result.standardDevelopment ? standard : own;
  return c;
}

}  // namespace korvane
