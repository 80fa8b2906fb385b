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

// Puts the race's own development back and marks it again, however the screen's work ends.
class OwnDevelopment {
 public:
  explicit OwnDevelopment(AppState& app) : app_(app), development_(app.card.development) {}
  ~OwnDevelopment() {
    app_.card.development = development_;
    remark(app_);
  }
  OwnDevelopment(const OwnDevelopment&) = delete;
  OwnDevelopment& operator=(const OwnDevelopment&) = delete;

 private:
  AppState& app_;
  std::string development_;
};

std::vector<std::string> markColumn(const AppState& app, int n) {
  static const std::string unsure = sj(" ？");
  const TYosouResult& result = app.result;
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

DevelopmentMarks buildDevelopmentMarks(AppState& app) {
  PredictionColumns table = buildPredictionColumns(app);
  DevelopmentMarks view;
  view.umaban = std::move(table.umaban);
  view.name = std::move(table.name);
  const int n = static_cast<int>(view.name.size());
  for (int k = 1; k <= n; ++k) view.style.push_back(styleSignCell(app.result.runner[k].raceStyle));

  OwnDevelopment restore(app);
  for (int d = 0; d < kDevelopmentCount; ++d) {
    app.card.development = developments()[d];
    remark(app);
    view.marks[d] = markColumn(app, n);
    view.reliability[d] = std::to_string(app.result.confidence) + "%";
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
