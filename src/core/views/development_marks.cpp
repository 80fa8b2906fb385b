#include "core/views/development_marks.hpp"

#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/engine/prediction_run.hpp"
#include "core/text/sjis.hpp"
#include "core/views/index_strings.hpp"
#include "core/views/prediction_columns.hpp"
#include "core/views/style_sign.hpp"

namespace korvane {

namespace {

std::vector<std::string> markColumn(const AppState& app, const TYosouResult& result, int n) {
  static const std::string unsure = sj(" ？");
  std::vector<std::string> column;
  column.reserve(static_cast<std::size_t>(n));
  for (int k = 1; k <= n; ++k) {
    const RunnerResult& r = result.runner[k];
    column.push_back(nothingAgainst(r.power, r.allDistance, r.losePZero, r.losePRank) ? unsure
                                                                                      : " ");
  }
  for (int i = 1; i <= std::min<int>(result.markCount, kMaxMarks); ++i) {
    const int slot = result.markOrder[i - 1];
    if (slot >= 1 && slot <= n) column[slot - 1] = " " + markSymbol(app.settings.symbols, i);
  }
  return column;
}

}  // namespace

DevelopmentMarks buildDevelopmentMarks(const AppState& app) {
  PredictionColumns table = buildPredictionColumns(app);
  DevelopmentMarks view;
  view.umaban = std::move(table.umaban);
  view.name = std::move(table.name);
  const int n = static_cast<int>(view.name.size());
  for (int k = 1; k <= n; ++k) view.style.push_back(styleSignCell(app.result.runner[k].raceStyle));

  // A copy of the race's result is marked under each development; the race keeps its own.
  TYosouResult marked = app.result;
  for (int d = 0; d < kDevelopmentCount; ++d) {
    remark(marked, app.card, developments()[d], app.marking());
    view.marks[d] = markColumn(app, marked, n);
    view.reliability[d] = std::to_string(marked.confidence) + "%";
  }
  return view;
}

const std::array<std::array<std::string, 2>, kDevelopmentCount>& developmentHeadings() {
  static const std::array<std::array<std::string, 2>, kDevelopmentCount> headings{{
      {sj("逃先"), sj("断然")},
      {sj("逃先"), sj("有利")},
      {sj("展開"), sj("不問")},
      {sj("差追"), sj("有利")},
      {sj("差追"), sj("断然")},
  }};
  return headings;
}

}  // namespace korvane
