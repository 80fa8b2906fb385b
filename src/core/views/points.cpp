#include "core/views/points.hpp"

#include "core/app/app_state.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/sjis.hpp"
#include "core/views/index_strings.hpp"
#include "core/views/prediction_columns.hpp"
#include "core/views/style_sign.hpp"

namespace korvane {

namespace {

// "１位" .. "９位", "10位" .. : places are written like slot numbers.
std::string place(int rank) {
  return slotNumber(rank) + sj("位");
}

std::string topFive(int rank) {
  return rank >= 1 && rank <= 5 ? place(rank) : "    ";
}

}  // namespace

PointsView buildPoints(const AppState& app) {
  static const std::string longLine(42, '-'), shortLine(4, '-'), blank4(4, ' '),
      noPoints = sj(" －  "), zero = sj("ゼロ");
  const TYosouResult& result = app.result;
  const TRaceCard& card = app.card;
  const PredictionColumns columns = buildPredictionColumns(app);
  const int n = static_cast<int>(columns.name.size());

  PointsView view;
  int rows = 0;
  int rank = 1;
  std::int32_t rankPoints = 0;  // points of the runner that opened the current place
  for (int position = 1; position <= result.korvaneOrder.size && position <= n; ++position) {
    const int slot = result.korvaneOrder.slot[position - 1];
    if (slot < 1 || slot > n || card.runner[slot] == 0) continue;
    const RunnerResult& r = result.runner[slot];
    // Equal points share a place and the next lower one takes its position: 1, 2, 2, 4.
    if (rows == 0 || r.korvane < rankPoints) {
      rank = rows == 0 ? 1 : position;
      rankPoints = r.korvane;
    }

    ++rows;
    if (rows == 6 || rows == 11 || rows == 16) {
      view.points.push_back(longLine);
      view.best.push_back(shortLine);
      view.loseP.push_back(shortLine);
      view.frontBest.push_back(shortLine);
    }
    std::string item = r.korvane == 0 ? noPoints : place(rank) + " ";
    item += pointsText(r.korvane) + "pts " + slotNumber(slot) + columns.name[slot - 1] + " " +
            styleSignCell(r.raceStyle) + columns.mark[slot - 1].substr(0, 3);
    view.points.push_back(std::move(item));
    view.best.push_back(topFive(r.bestRank));
    view.loseP.push_back(r.losePRank == 1 && r.loseP == 0 ? zero : topFive(r.losePRank));
    view.frontBest.push_back(
        isFrontRunner(r.raceStyle) && r.best != kNoComparison ? place(r.bestRank) : blank4);
  }
  return view;
}

}  // namespace korvane
