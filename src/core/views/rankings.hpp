#pragma once
// The rankings window "各数値の上位順": the top ten of each index side by side, and the marks of
// the prediction, with the highlighting of one horse in every list (cp932 items).

#include <array>
#include <string>
#include <vector>

namespace korvane {

struct AppState;

enum class RankingList { Ability, Power, LoseP, Best, LastRun, AllDistance, Marks, Marks2 };
inline constexpr int kRankingLists = 8;

struct RankingsView {
  // Items of each list, indexed by RankingList: NouryokuLst, PowerLst, MakePLst, BestLst,
  // ZensouLst, ZenkyoriLst, ShirushiLst, ShirushiLst2.
  std::array<std::vector<std::string>, kRankingLists> items;
  // The runner slot each row shows; 0 for a separator row and for the reliability line.
  std::array<std::vector<int>, kRankingLists> rowSlots;

  const std::vector<std::string>& list(RankingList which) const {
    return items[static_cast<int>(which)];
  }
};

RankingsView buildRankings(const AppState& app);

// The horse that a click on row `row` (0-based) of a list highlights everywhere; 0 clears the
// highlight (a separator, the reliability line or the empty space below the items).
int clickedHorse(const RankingsView& view, RankingList list, int row);

// The row of a list that shows `horse` highlighted, or -1 when the list does not hold it.
int highlightedRow(const RankingsView& view, RankingList list, int horse);

}  // namespace korvane
