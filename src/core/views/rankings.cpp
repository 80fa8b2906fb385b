#include "core/views/rankings.hpp"

#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/sjis.hpp"
#include "core/views/index_strings.hpp"
#include "core/views/prediction_columns.hpp"
#include "core/views/style_sign.hpp"

namespace korvane {

namespace {

// At most ten horses per index; the first five stand above a line.
constexpr int kListLength = 10;
constexpr int kAboveTheLine = 5;

struct IndexList {
  RankingList list;
  const SlotOrder TYosouResult::*order;
  // Whether the runner has something to show for this index, and its item before the name.
  bool (*shown)(const RunnerResult&);
  std::string (*value)(const RunnerResult&);
  enum class Style { Always, FrontRunners, Never } style;
};

bool abovePar(std::int32_t points) {
  return points > kNoComparison;
}

const std::array<IndexList, 6>& indexLists() {
  static const std::array<IndexList, 6> lists{{
      {RankingList::Ability, &TYosouResult::abilityOrder,
       [](const RunnerResult& r) { return abovePar(r.ability); },
       [](const RunnerResult& r) { return pointsText(r.ability); }, IndexList::Style::Always},
      {RankingList::Power, &TYosouResult::powerOrder,
       [](const RunnerResult& r) { return abovePar(r.power); },
       [](const RunnerResult& r) { return pointsText(r.power); }, IndexList::Style::Always},
      // 負Ｐ lists the horses that lost little; 9.9 and no data stay out.
      {RankingList::LoseP, &TYosouResult::losePOrder,
       [](const RunnerResult& r) { return r.loseP < 99; },
       [](const RunnerResult& r) { return losePText(r.loseP); }, IndexList::Style::Never},
      {RankingList::Best, &TYosouResult::bestOrder,
       [](const RunnerResult& r) { return abovePar(r.best); },
       [](const RunnerResult& r) { return pointsText(r.best); }, IndexList::Style::FrontRunners},
      {RankingList::LastRun, &TYosouResult::lastRunOrder,
       [](const RunnerResult& r) { return abovePar(r.lastRun); },
       [](const RunnerResult& r) { return pointsText(r.lastRun); }, IndexList::Style::Always},
      {RankingList::AllDistance, &TYosouResult::allDistanceOrder,
       [](const RunnerResult& r) { return abovePar(r.allDistance); },
       [](const RunnerResult& r) { return pointsText(r.allDistance); }, IndexList::Style::Always},
  }};
  return lists;
}

}  // namespace

RankingsView buildRankings(const AppState& app) {
  static const std::string line26(26, '-'), line22(22, '-');
  const TYosouResult& result = app.result;
  const PredictionColumns columns = buildPredictionColumns(app);
  auto nameOf = [&columns](int slot) -> const std::string& { return columns.name[slot - 1]; };
  const int n = static_cast<int>(columns.name.size());

  RankingsView view;
  for (const IndexList& index : indexLists()) {
    auto& items = view.items[static_cast<int>(index.list)];
    auto& rowSlots = view.rowSlots[static_cast<int>(index.list)];
    const SlotOrder& order = result.*index.order;
    const int length = std::min({kListLength, n, static_cast<int>(order.size)});
    for (int position = 1; position <= length; ++position) {
      const int slot = order.slot[position - 1];
      if (slot < 1 || slot > n) continue;
      const RunnerResult& r = result.runner[slot];
      if (!index.shown(r)) continue;
      if (position == kAboveTheLine + 1) {
        items.push_back(index.list == RankingList::LoseP ? line22 : line26);
        rowSlots.push_back(0);
      }
      std::string item = index.value(r) + " " + nameOf(slot);
      if (index.style == IndexList::Style::Always ||
          (index.style == IndexList::Style::FrontRunners && isFrontRunner(r.raceStyle))) {
        item += " " + r.raceStyle;
      }
      items.push_back(std::move(item));
      rowSlots.push_back(slot);
    }
  }

  const auto& symbols = app.settings.symbols;
  for (int i = 1; i <= std::min<int>(result.markCount, kMaxMarks); ++i) {
    const int slot = result.markOrder[i - 1];
    if (slot < 1 || slot > n) continue;
    // ◎ to △ in the first list, × and 注 in the second.
    const RankingList list = i <= 4 ? RankingList::Marks : RankingList::Marks2;
    view.items[static_cast<int>(list)].push_back(markSymbol(symbols, i) + " " + slotNumber(slot) +
                                                 nameOf(slot));
    view.rowSlots[static_cast<int>(list)].push_back(slot);
  }
  view.items[static_cast<int>(RankingList::Marks2)].push_back(
      sj("（") + symbols[0] + sj("の信頼度は") + std::to_string(result.confidence) + sj("％）"));
  view.rowSlots[static_cast<int>(RankingList::Marks2)].push_back(0);
  return view;
}

int clickedHorse(const RankingsView& view, RankingList list, int row) {
  const auto& rowSlots = view.rowSlots[static_cast<int>(list)];
  if (row < 0 || row >= static_cast<int>(rowSlots.size())) return 0;
  return rowSlots[row];
}

int highlightedRow(const RankingsView& view, RankingList list, int horse) {
  if (horse == 0) return -1;
  const auto& rowSlots = view.rowSlots[static_cast<int>(list)];
  const auto at = std::find(rowSlots.begin(), rowSlots.end(), horse);
  return at == rowSlots.end() ? -1 : static_cast<int>(at - rowSlots.begin());
}

}  // namespace korvane
