#pragma once
// Which runners get the marks ◎ ○ ▲ △ × 注, in which order, and how far ◎ can be trusted.

#include "core/app/settings.hpp"
#include "core/database/race_card.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

// Standard marking: strong runners (コルバン指数 above 500) by the コルバン指数 order, with
// runners the development favours, the 負Ｐ 0.0 runner and the best ベスト runs mixed in. A
// scratched slot is never marked. Reads the seven index orders; fills markOrder and markCount.
void markStandard(const TRaceCard& card, TYosouResult& result);

// ◎の信頼度 and the bet class, then the bet display setting folded into the class.
void rateConfidence(const Settings& settings, TYosouResult& result);

}  // namespace korvane
