#pragma once
// The race label under "レースコース" on the main window, copied to the prediction screen and
// written as the first line of every output page.

#include <string>

#include "database/race_card.hpp"

namespace korvane {

// "東京 芝1600m（良）" once the race course is entered, else "入力されていません" (cp932).
std::string raceLabel(const TRaceCard& card);

}  // namespace korvane
