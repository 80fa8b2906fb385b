#include "core/views/detail_columns.hpp"

#include "core/app/app_state.hpp"
#include "core/views/evaluation.hpp"
#include "core/views/longshot.hpp"
#include "core/views/prediction_columns.hpp"

namespace korvane {

DetailColumns buildDetailColumns(const AppState& app, const DisregardFlags* releasedFrom) {
  PredictionColumns table = buildPredictionColumns(app);
  DetailColumns c;
  c.umaban = std::move(table.umaban);
  c.name = std::move(table.name);
  c.mark = std::move(table.mark);
  const int n = static_cast<int>(c.name.size());
  for (int r = 1; r <= 5; ++r) {
    auto& column = c.run[r - 1];
    column.reserve(static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k) column.push_back(runEvaluationCell(app, releasedFrom, k, r));
  }
  c.longshot = longshotColumn(app);
  return c;
}

}  // namespace korvane
