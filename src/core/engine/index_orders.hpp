#pragma once
// The runners in order of one index: by its rank, and within a rank by a fixed chain of the
// other indexes.

#include "core/engine/yosou_result.hpp"

namespace korvane {

enum class OrderKind { Korvane, Power, Best, Ability, LastRun, AllDistance, LoseP };

// Slots 1..n by the index of `kind`.
SlotOrder indexOrder(const TYosouResult& result, int n, OrderKind kind);

// The six orders that marking reads (every one but korvaneOrder, which the run builds itself).
void buildMarkingOrders(TYosouResult& result, int n);

}  // namespace korvane
