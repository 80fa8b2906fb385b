#pragma once
// The display strings of the runner indexes, shared by every view that shows them (cp932).

#include <array>
#include <cstdint>
#include <string>

namespace korvane {

// Points in tenths with the point before the last digit: 523 -> "52.3".
std::string pointsText(std::int32_t points);

// "*" for ranks 1-2, "+" for 3-5, " " below, and " " whenever the points are 500 or less.
std::string rankMark(std::int32_t points, std::int32_t rank);

// Mark + points + mark, e.g. "*52.3*": the cell of 能力, 底力, ベスト, 前走 and 全距離.
std::string pointsCell(std::int32_t points, std::int32_t rank);

// 負Ｐ as shown: 5 -> "0.5", 12 -> "1.2", 100 and more -> "9.9", 9999 (no data) -> "?.?".
std::string losePText(std::int32_t value);

// "*" when 負Ｐ is 0, "+" for ranks 1-5, else " "; framing the value.
std::string losePCell(std::int32_t value, std::int32_t rank);

// 近走: 3 " Ａ ", 2 " Ｂ " (" ？ " for a scratched slot), 1 "-Ｃ-", 0 "/Ｄ/".
std::string formCell(std::int32_t form, bool scratched);

// 脚質: fit sign + style + sign, "+" favoured, " " neutral, "-" against: "+逃+".
std::string styleCell(const std::string& style, std::int32_t fit);

// The mark symbol of the n-th marked runner (1-based): symbols 1..5, then the sixth for 6 and 7.
const std::string& markSymbol(const std::array<std::string, 6>& symbols, int n);

// Nothing in the runner's data speaks against it: 底力 and 全距離 not below 50.0, 負Ｐ clean or
// among the five lowest. Left unmarked, such a runner is shown with a "？".
bool nothingAgainst(std::int32_t power, std::int32_t allDistance, bool losePZero,
                    std::int32_t losePRank);

// 印 cell of an unmarked runner: " ？ " when nothingAgainst, else " 　 ".
std::string unmarkedCell(std::int32_t power, std::int32_t allDistance, bool losePZero,
                         std::int32_t losePRank);

// 印 cell of a marked runner: " ◎ ".
std::string markedCell(const std::string& symbol);

// ◎の信頼度 field: " 42％".
std::string reliabilityText(std::int32_t confidence);

}  // namespace korvane
