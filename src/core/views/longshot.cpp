#include "core/views/longshot.hpp"

#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

std::vector<std::string> longshotColumn(const AppState& app) {
  const TRaceCard& card = app.card;
  const TYosouResult& result = app.result;
  if (!card.oddsComplete) {
    std::vector<std::string> rows;
    for (const char* c : {" オ", " ッ", " ズ", " 未", " 入", " 力"}) rows.push_back(sj(c));
    rows.resize(kMaxRunners);
    return rows;
  }
  const int n = std::clamp(card.runnerCount, 0, kMaxRunners);
  std::vector<std::string> rows(static_cast<std::size_t>(n), " ");
  for (int j = 1; j <= std::min<int>(result.markCount, kMaxMarks); ++j) {
    const int slot = result.markOrder[j - 1];
    if (slot < 1 || slot > n) continue;
    // The public's place against ours: a runner we mark higher than the odds do rates above 50.
    rows[slot - 1] = " " + std::to_string(50 + 2 * (card.popularity[slot] - j));
  }
  return rows;
}

}  // namespace korvane
