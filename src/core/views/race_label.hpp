#pragma once
// The race label under "レースコース" on the main window, copied to the prediction screen and
// written as the first line of every output page.

#include <string>

#include "core/database/race_card.hpp"

namespace korvane {

// "東京 芝1600m（良）" once the race course is entered, else "入力されていません" (cp932).
std::string raceLabel(const TRaceCard& card);

// The heading over the race-distance columns of the prediction screen:
// "┌────芝1600m能力────┐" (cp932).
std::string distanceHeading(const TRaceCard& card);

}  // namespace korvane
