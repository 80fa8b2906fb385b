#pragma once
// A past run as the horse record editor summarises it, in two lines, and as the detail, disregard
// and past-runs screens repeat it (cp932).

#include <string>

#include "core/database/horse_store.hpp"

namespace korvane {

// "東京 '97/05 芝2000m(良)": racecourse, meeting year and month, surface, distance and going.
std::string runCourseLine(const HorseStore& store, int horse, int run);

// "1.33.1(12.03)  3. 3. 2  34秒5": time, lap, corner positions and the last 3 furlongs.
std::string runTimeLine(const HorseStore& store, int horse, int run);

// " 1着", "12着": the finishing position in two characters.
std::string finishText(int finish);

// Mean time per furlong from the start to 600 m before the finish, "12.03"; "??.??" when the last
// 3 furlongs were not timed (99 s and more) or the race is too short to have such a stretch.
// `time` is the stored MSSd text, `last3F` in tenths of a second.
std::string lapText(const std::string& time, int distance, int last3F);

// The last 3 furlongs as seconds "秒" tenths, "34秒5"; "??秒?" for the stored 999 (not timed).
std::string last3FText(int last3F);

}  // namespace korvane
