#include "engine/index_orders.hpp"

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

std::int32_t value(const RunnerResult& r, Item item) {
  switch (item) {
    case Item::Power:
      return r.power;
    case Item::Ability:
      return r.ability;
    case Item::Best:
      return r.best;
    case Item::LastRun:
      return r.lastRun;
    case Item::AllDistance:
      return r.allDistance;
    case Item::Form:
      return r.form;
    default:
      return 0;
  }
}

// Whether the later of two neighbours goes ahead of the earlier one.
bool laterGoesAhead(const RunnerResult& earlier, const RunnerResult& later, const Chain& chain) {
  for (Item item : chain) {
    if (item == Item::End) return false;
    if (item == Item::LosePRank) {
      // A runner without 負Ｐ data cannot be told apart by it.
      if (earlier.loseP == 9999 || later.loseP == 9999 || earlier.losePRank == later.losePRank) {
        continue;
      }
      return later.losePRank < earlier.losePRank;
    }
    const std::int32_t a = value(earlier, item), b = value(later, item);
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

}  // namespace

SlotOrder indexOrder(const TYosouResult& result, int n, OrderKind kind) {
  const auto [rankOf, chain] = kindOf(kind);
  SlotOrder order;
  std::array<bool, kMaxRunners + 1> taken{};
  while (order.size < n) {
    std::int32_t lowest = 0;
    bool found = false;
    for (int k = 1; k <= n; ++k) {
      const std::int32_t rank = result.runner[k].*rankOf;
      if (!taken[k] && (!found || rank < lowest)) {
        lowest = rank;
        found = true;
      }
    }
    const int start = order.size;
    for (int k = 1; k <= n; ++k) {
      if (!taken[k] && result.runner[k].*rankOf == lowest) {
        taken[k] = true;
        order.slot[order.size++] = k;
      }
    }
    // Bubble sort by adjacent exchanges, a fixed number of sweeps: the chain is not transitive
    // when 負Ｐ data is missing, so the sweeps, not a sorted outcome, define the order.
    const int count = order.size - start;
    for (int pass = 0; pass < count - 1; ++pass) {
      for (int j = start; j < order.size - 1 - pass; ++j) {
        if (laterGoesAhead(result.runner[order.slot[j]], result.runner[order.slot[j + 1]],
                           *chain)) {
          std::swap(order.slot[j], order.slot[j + 1]);
        }
      }
    }
  }
  return order;
}

void buildMarkingOrders(TYosouResult& result, int n) {
  result.powerOrder = indexOrder(result, n, OrderKind::Power);
  result.bestOrder = indexOrder(result, n, OrderKind::Best);
  result.abilityOrder = indexOrder(result, n, OrderKind::Ability);
  result.lastRunOrder = indexOrder(result, n, OrderKind::LastRun);
  result.allDistanceOrder = indexOrder(result, n, OrderKind::AllDistance);
  result.losePOrder = indexOrder(result, n, OrderKind::LoseP);
}

}  // namespace korvane
