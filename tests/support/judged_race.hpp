#pragma once
// A race as the judgement sees it, built by hand: runners named ホース１, ホース２, … in slot
// order, the program's marks and bet class, and the user's classes on the card.

#include <initializer_list>
#include <string>

#include "core/app/settings.hpp"
#include "core/betting/judgement.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "core/database/store_edit.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/sjis.hpp"

namespace korvane::testing {

// The name as every list writes it: ホース + the full-width number, filled to 18 bytes with
// ideographic spaces.
inline std::string listedName(int slot) {
  return fitBytesZen(sj("ホース") + slotNumber(slot), 18);
}

struct JudgedRace {
  TRaceCard card;
  HorseStore store;
  TYosouResult result;
  std::array<std::string, 6> symbols = defaultSymbols();

  // `runners` slots with horses 1..runners; the コルバン指数 order is the slot order.
  explicit JudgedRace(int runners) {
    for (int k = 1; k <= runners; ++k) {
      addRunner(card, appendHorse(store, placeholderRecord(identityLine(
                                             sj("ホース") + slotNumber(k), 4, sj("牡")))));
    }
    result.runnerCount = runners;
    result.korvaneOrder.size = runners;
    for (int k = 1; k <= runners; ++k) result.korvaneOrder.slot[k - 1] = k;
  }

  // The program's marks, ◎ first, with its bet class (0, 30, 40 or 90) and reliability.
  void marks(std::initializer_list<int> slots, BetKind confidenceClass, int confidence = 0) {
    result.markCount = 0;
    for (int slot : slots) result.markOrder[result.markCount++] = slot;
    result.confidenceClass = confidenceClass;
    result.confidence = confidence;
  }

  void rate(int slot, int userRank) { card.userRank[slot] = userRank; }

  Judgement judge(UserEvaluations evaluations = UserEvaluations::FromCard) const {
    return judgeRace(card, store, result, symbols, evaluations);
  }
};

}  // namespace korvane::testing
