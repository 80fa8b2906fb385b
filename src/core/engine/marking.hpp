#pragma once
// Which runners get the marks ◎ ○ ▲ △ × 注, in which order, and how far ◎ can be trusted.

#include <string>

#include "core/database/race_card.hpp"
#include "core/engine/custom_rules.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

// Shirushi: who chooses the marked runners. The numbers are those of korvane.ini.
enum class MarkingMode { Standard = 0, Custom = 1 };

// Kaime: how the bets are shown. The numbers are those of korvane.ini.
enum class BetDisplay { Box = 0, Standard = 1, OneOrTwoAxes = 2, OneAxis = 3 };

// What a run's marking is told: the mode, the committed custom rules it uses in custom mode, and
// the bet display that the bet class follows.
struct Marking {
  MarkingMode mode = MarkingMode::Standard;
  const CustomRules& rules;
  BetDisplay betDisplay = BetDisplay::Standard;
};

// Standard marking: strong runners (コルバン指数 above 500) by the コルバン指数 order, with
// runners the development favours, the 負Ｐ 0.0 runner and the best ベスト runs mixed in. A
// scratched slot is never marked. Reads the seven index orders; fills markOrder and markCount.
void markStandard(const TRaceCard& card, const std::string& development, TYosouResult& result);

// ◎の信頼度 and the bet class, then the bet display setting folded into the class.
void rateConfidence(BetDisplay betDisplay, TYosouResult& result);

}  // namespace korvane
