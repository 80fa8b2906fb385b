#include "core/engine/index_orders.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace korvane {

namespace {

enum class Item { Power, LosePRank, Ability, Best, LastRun, AllDistance, Form, End };

// Tie-break chains, tried item by item until two runners differ.
using Chain = std::array<Item, 8>;
constexpr Chain kPowerChain{Item::Power,   Item::LosePRank,   Item::Ability, Item::Best,
                            Item::LastRun, Item::AllDistance, Item::Form,    Item::End};
constexpr Chain kBestChain{Item::Best,    Item::Power,       Item::LosePRank, Item::Ability,
                           Item::LastRun, Item::AllDistance, Item::Form,      Item::End};
constexpr Chain kLastRunChain{Item::LastRun, Item::Power,       Item::LosePRank, Item::Ability,
                              Item::Best,    Item::AllDistance, Item::Form,      Item::End};
constexpr Chain kAbilityChain{Item::Ability, Item::Power,       Item::LosePRank, Item::Best,
                              Item::LastRun, Item::AllDistance, Item::Form,      Item::End};
constexpr Chain kAllDistanceChain{Item::AllDistance, Item::Power,   Item::Ability, Item::LosePRank,
                                  Item::Best,        Item::LastRun, Item::Form,    Item::End};
constexpr Chain kLosePChain{Item::Power,       Item::Ability, Item::Best, Item::LastRun,
                            Item::AllDistance, Item::Form,    Item::End,  Item::End};
constexpr Chain kKorvaneChain{Item::Power,   Item::Ability,     Item::LosePRank, Item::Best,
                              Item::LastRun, Item::AllDistance, Item::Form,      Item::End};

// The values a chain compares, gathered per runner so that the sorts read one small row.
struct Row {
  std::array<std::int32_t, static_cast<int>(Item::End)> value;  // by Item; LosePRank holds the rank
  bool noLoseP;                                                 // 負Ｐ 9999: no data
};

Row rowOf(const RunnerResult& r) {
  Row row{};
  row.value[static_cast<int>(Item::Power)] = r.power;
  row.value[static_cast<int>(Item::LosePRank)] = r.losePRank;
  row.value[static_cast<int>(Item::Ability)] = r.ability;
  row.value[static_cast<int>(Item::Best)] = r.best;
  row.value[static_cast<int>(Item::LastRun)] = r.lastRun;
  row.value[static_cast<int>(Item::AllDistance)] = r.allDistance;
  row.value[static_cast<int>(Item::Form)] = r.form;
  row.noLoseP = r.loseP == 9999;
  return row;
}

// Whether the later of two neighbours goes ahead of the earlier one.
bool laterGoesAhead(const Row& earlier, const Row& later, const Chain& chain) {
  for (Item item : chain) {
    if (item == Item::End) return false;
    const std::int32_t a = earlier.value[static_cast<int>(item)];
    const std::int32_t b = later.value[static_cast<int>(item)];
    if (item == Item::LosePRank) {
      // A runner without 負Ｐ data cannot be told apart by it.
      if (earlier.noLoseP || later.noLoseP || a == b) continue;
      return b < a;
    }
    if (a != b) return b > a;
  }
  return false;
}

std::pair<std::int32_t RunnerResult::*, const Chain*> kindOf(OrderKind kind) {
  switch (kind) {
    case OrderKind::Korvane:
      return {&RunnerResult::korvaneRank, &kKorvaneChain};
    case OrderKind::Power:
      return {&RunnerResult::powerRank, &kPowerChain};
    case OrderKind::Best:
      return {&RunnerResult::bestRank, &kBestChain};
    case OrderKind::Ability:
      return {&RunnerResult::abilityRank, &kAbilityChain};
    case OrderKind::LastRun:
      return {&RunnerResult::lastRunRank, &kLastRunChain};
    case OrderKind::AllDistance:
      return {&RunnerResult::allDistanceRank, &kAllDistanceChain};
    case OrderKind::LoseP:
      return {&RunnerResult::losePRank, &kLosePChain};
  }
  return {&RunnerResult::korvaneRank, &kKorvaneChain};
}

using Rows = std::array<Row, kMaxRunners + 1>;

SlotOrder orderBy(const TYosouResult& result, const Rows& rows, int n, OrderKind kind) {
  const auto [rankOf, chain] = kindOf(kind);
  // Rank first, slot order among equal ranks: sorted as one number, rank above slot. The ranks
  // of a prediction run from 1 to n, and then one count per rank files every runner in its place.
  std::array<std::int64_t, kMaxRunners> byRank;
  std::array<int, kMaxRunners + 2> before{};  // [rank + 1]: the runners of lower ranks, when counted
  bool counted = true;
  for (int k = 1; k <= n; ++k) {
    const std::int32_t rank = result.runner[k].*rankOf;
    counted = counted && rank >= 1 && rank <= n;
    if (counted) ++before[rank + 1];
    byRank[k - 1] = static_cast<std::int64_t>(rank) * 256 + k;
  }
  if (counted) {
    for (int rank = 2; rank <= n; ++rank) before[rank] += before[rank - 1];
    std::array<std::int64_t, kMaxRunners> unsorted = byRank;
    for (int i = 0; i < n; ++i) byRank[before[unsorted[i] >> 8]++] = unsorted[i];
  } else {
    std::sort(byRank.begin(), byRank.begin() + n);
  }
  SlotOrder order;
  for (int i = 0; i < n; ++i) order.slot[order.size++] = static_cast<int>(byRank[i] & 255);
  // Within a rank, a bubble sort by adjacent exchanges with a fixed number of sweeps: the chain
  // is not transitive when 負Ｐ data is missing, so the sweeps, not a sorted outcome, define the
  // order.
  for (int start = 0; start < order.size;) {
    int end = start + 1;
    while (end < order.size && byRank[end] >> 8 == byRank[start] >> 8) ++end;
    for (int pass = 0; pass < end - start - 1; ++pass) {
      for (int j = start; j < end - 1 - pass; ++j) {
        if (laterGoesAhead(rows[order.slot[j]], rows[order.slot[j + 1]], *chain)) {
          std::swap(order.slot[j], order.slot[j + 1]);
        }
      }
    }
    start = end;
  }
  return order;
}

Rows rowsOf(const TYosouResult& result, int n) {
  Rows rows;
  for (int k = 1; k <= n; ++k) rows[k] = rowOf(result.runner[k]);
  return rows;
}

}  // namespace

SlotOrder indexOrder(const TYosouResult& result, int n, OrderKind kind) {
  return orderBy(result, rowsOf(result, n), n, kind);
}

void buildMarkingOrders(TYosouResult& result, int n) {
  const Rows rows = rowsOf(result, n);
  result.powerOrder = orderBy(result, rows, n, OrderKind::Power);
  result.bestOrder = orderBy(result, rows, n, OrderKind::Best);
  result.abilityOrder = orderBy(result, rows, n, OrderKind::Ability);
  result.lastRunOrder = orderBy(result, rows, n, OrderKind::LastRun);
  result.allDistanceOrder = orderBy(result, rows, n, OrderKind::AllDistance);
  result.losePOrder = orderBy(result, rows, n, OrderKind::LoseP);
}

}  // namespace korvane
