#pragma once
// The marks screen "各展開による印": who would be marked under each of the five developments, side
// by side, with the reliability of the top mark under each (cp932).

#include <array>
#include <string>
#include <vector>

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

struct DevelopmentMarks {
  std::vector<std::string> umaban;  // "１" .. "９", "10" .. "18": always all 18 numbers
  std::vector<std::string> name;    // per runner slot, as on the prediction screen
  std::vector<std::string> style;   // "*逃*", "+先+", " 好 ", " 差 ", "-追-", " ？ "
  // Per development in the order of developments() (逃げ先行断然 first), one cell per runner
  // slot: " ◎" .. " 注" for the marked, " ？" for a runner the data could not judge, else " ".
  std::array<std::vector<std::string>, kDevelopmentCount> marks;
  std::array<std::string, kDevelopmentCount> reliability;  // "45%"
};

// Marks a copy of the race's result on its stored indexes under each development in turn; the
// race's own development and marks stay as they are.
DevelopmentMarks buildDevelopmentMarks(const AppState& app);

// Column headings, two lines each: "逃先" / "断然", "逃先" / "有利", "展開" / "不問", "差追" /
// "有利", "差追" / "断然".
const std::array<std::array<std::string, 2>, kDevelopmentCount>& developmentHeadings();

}  // namespace korvane
