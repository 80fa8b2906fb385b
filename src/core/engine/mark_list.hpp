#pragma once
// The marked runners being chosen, ◎ first: the one list both the standard marking and the user's
// own rules fill, straight into TYosouResult::markOrder.

#include <algorithm>

#include "core/database/race_card.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

class MarkList {
 public:
  MarkList(const TRaceCard& card, TYosouResult& result) : card_(card), result_(result) {
    result_.markOrder.fill(0);
    result_.markCount = 0;
  }

  int size() const { return result_.markCount; }
  const RunnerResult& runner(int slot) const { return result_.runner[slot]; }

  // A runner already marked, or a scratched one (no horse to back), cannot take a mark.
  bool open(int slot) const {
    const auto end = result_.markOrder.begin() + result_.markCount;
    return slot >= 1 && card_.runner[slot] != 0 &&
           std::find(result_.markOrder.begin(), end, slot) == end;
  }
  bool add(int slot) {
    if (size() >= kMaxMarks || !open(slot)) return false;
    result_.markOrder[result_.markCount++] = slot;
    return true;
  }

  // Runners of `order` that pass `test`, until the list holds `until`; `favoured` counts those
  // the development suits.
  template <class Test>
  void fill(const SlotOrder& order, int until, Test test, int* favoured = nullptr) {
    for (int i = 0; i < order.size && size() < until; ++i) {
      const int slot = order.slot[i];
      if (test(runner(slot)) && add(slot) && favoured && runner(slot).styleFit == 2) ++*favoured;
    }
  }
  // The first runner of `order` that passes `test`; nothing is added when that runner is marked
  // already (the standard marking's blocks).
  template <class Test>
  void first(const SlotOrder& order, Test test, int* favoured = nullptr) {
    for (int i = 0; i < order.size; ++i) {
      const int slot = order.slot[i];
      if (!test(runner(slot))) continue;
      if (add(slot) && favoured && runner(slot).styleFit == 2) ++*favoured;
      return;
    }
  }
  // The first runner of `order` not marked yet that passes `test` (a custom mark rule).
  template <class Test>
  void firstOpen(const SlotOrder& order, Test test) {
    for (int i = 0; i < order.size; ++i) {
      const int slot = order.slot[i];
      if (open(slot) && test(runner(slot))) {
        add(slot);
        return;
      }
    }
  }

 private:
  const TRaceCard& card_;
  TYosouResult& result_;
};

}  // namespace korvane
