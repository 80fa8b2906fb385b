#include "views/index_strings.hpp"

#include "text/sjis.hpp"

namespace korvane {

std::string pointsText(std::int32_t points) {
  const bool negative = points < 0;
  const std::int32_t v = negative ? -points : points;
  return (negative ? "-" : "") + std::to_string(v / 10) + "." + std::to_string(v % 10);
}

std::string rankMark(std::int32_t points, std::int32_t rank) {
  if (points <= 500) return " ";
  if (rank >= 1 && rank <= 2) return "*";
  if (rank >= 3 && rank <= 5) return "+";
  return " ";
}

std::string pointsCell(std::int32_t points, std::int32_t rank) {
  const std::string mark = rankMark(points, rank);
  return mark + pointsText(points) + mark;
}

std::string losePText(std::int32_t value) {
  if (value == 9999) return "?.?";
  std::string digits = value < 10   ? "0" + std::to_string(value < 0 ? 0 : value)
                       : value > 99 ? "99"
                                    : std::to_string(value);
  return digits.substr(0, 1) + "." + digits.substr(1, 1);
}

std::string losePCell(std::int32_t value, std::int32_t rank) {
  const std::string mark = value == 0 ? "*" : rank <= 5 ? "+" : " ";
  return mark + losePText(value) + mark;
}

std::string formCell(std::int32_t form, bool scratched) {
  switch (form) {
    case 3:
      return sj(" Ａ ");
    case 2:
      return scratched ? sj(" ？ ") : sj(" Ｂ ");
    case 1:
      return sj("-Ｃ-");
    default:
      return sj("/Ｄ/");
  }
}

std::string styleCell(const std::string& style, std::int32_t fit) {
  const char* sign = fit >= 2 ? "+" : fit == 1 ? " " : "-";
  return sign + style + sign;
}

const std::string& markSymbol(const std::array<std::string, 6>& symbols, int n) {
  return symbols[n >= 1 && n <= 5 ? n - 1 : 5];
}

std::string unmarkedCell(std::int32_t power, std::int32_t allDistance, bool losePZero,
                         std::int32_t losePRank) {
  const bool judgeable = power >= 500 && allDistance >= 500 && (losePZero || losePRank <= 5);
  return judgeable ? sj(" ？ ") : sj(" 　 ");
}

std::string markedCell(const std::string& symbol) {
  return " " + symbol + " ";
}

std::string reliabilityText(std::int32_t confidence) {
  return " " + std::to_string(confidence) + sj("％");
}

}  // namespace korvane
