#pragma once
// How each runner is expected to run in this race (脚質) and how well that suits the expected
// development (展開).

#include <string>
#include <string_view>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "core/engine/run_cache.hpp"
#include "core/engine/tallies.hpp"

namespace korvane {

// The runner's style from up to three runs of this race's surface and distance range with a
// 4th-corner position; the style stored with the horse when none of them gives a class.
std::string raceStyle(const RunCache& cache, const HorseStore& store, const TRaceCard& card,
                      DistanceWindow window, int slot);

// 2 = the development favours the style, 1 = neutral, 0 = against it.
int styleFit(std::string_view style, std::string_view development);

// The same in two steps, so that a whole field looks the development up once: its row in the
// fit table, then the fit of each style in that row.
int developmentRow(std::string_view development);
int styleFitInRow(std::string_view style, int row);

}  // namespace korvane
