#pragma once
// The prediction screen's DogaishiLbl: whether any past run of the race is disregarded (度外視).

#include <string>

#include "core/database/race_card.hpp"

namespace korvane {

// "あり" when some run of some runner is disregarded, else "なし".
std::string disregardLabel(const TRaceCard& card);

}  // namespace korvane
