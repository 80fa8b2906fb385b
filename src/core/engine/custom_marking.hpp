#pragma once
// Marking by the user's own rules (the custom marking mode).

#include <string>

#include "core/database/race_card.hpp"
#include "core/engine/custom_rules.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

// Fills markOrder and markCount from the rule set of the card's development: one runner per mark
// rule, then the fill-up by the set's priority list up to seven, with 負Ｐ 0.0 runners and strong
// 底力 runners last. Reads the six marking orders; a scratched slot is never marked.
void markCustom(const TRaceCard& card, const std::string& development, const CustomRules& rules,
                TYosouResult& result);

}  // namespace korvane
