#pragma once
// The running style framed by a sign that depends on the style alone, as the points and marks
// screens show it: "*逃*", "+先+", " 好 ", " 差 ", "-追-", " ？ " (cp932). The prediction table's
// 脚質 column frames it by the fit to the development instead (index_strings.hpp).

#include <string>

namespace korvane {

// "*" for 逃, "+" for 先, "-" for 追, " " for every other style.
std::string styleSign(const std::string& style);

// sign + style + sign.
std::string styleSignCell(const std::string& style);

// 逃 and 先: the runners whose place on ベスト the points, rankings and graph windows single out.
bool isFrontRunner(const std::string& style);

}  // namespace korvane
