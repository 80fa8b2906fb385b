#include "core/views/index_strings.hpp"

#include <algorithm>

#include "core/engine/yosou_result.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

// sign + text + sign, built by appending (GCC 12 misreads "x" + std::string at -O2).
std::string framed(std::string_view sign, std::string_view text) {
  std::string cell;
  cell.reserve(text.size() + 2 * sign.size());
  cell.append(sign).append(text).append(sign);
  return cell;
}

}  // namespace

namespace {

// Writes the points ending just before `end` and returns where they begin. Written backwards
// into a small buffer: the table asks for five point cells per runner on every prediction, and
// number-to-string conversions and appends were most of its cost.
char* writePoints(char* end, std::int32_t points) {
  char* at = end;
  std::int64_t v = points < 0 ? -std::int64_t{points} : points;
  *--at = static_cast<char>('0' + v % 10);
  *--at = '.';
  v /= 10;
  do {
    *--at = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  if (points < 0) *--at = '-';
  return at;
}

char rankSign(std::int32_t points, std::int32_t rank) {
  if (points <= kNoComparison) return ' ';
  if (rank >= 1 && rank <= 2) return '*';
  if (rank >= 3 && rank <= 5) return '+';
  return ' ';
}

}  // namespace

std::string pointsText(std::int32_t points) {
  char buffer[16];
  char* const end = buffer + sizeof buffer;
  return std::string(writePoints(end, points), end);
}

std::string rankMark(std::int32_t points, std::int32_t rank) {
  return std::string(1, rankSign(points, rank));
}

std::string pointsCell(std::int32_t points, std::int32_t rank) {
  const char sign = rankSign(points, rank);
  char buffer[18];
  char* const end = buffer + sizeof buffer;
  end[-1] = sign;
  char* begin = writePoints(end - 1, points);
  *--begin = sign;
  return std::string(begin, end);
}

std::string losePText(std::int32_t value) {
  if (value == 9999) return "?.?";
  // Shown in two digits: a value below 10 gets a leading 0, one above 99 stays at 99.
  const std::int32_t shown = std::clamp<std::int32_t>(value, 0, 99);
  std::string text(1, static_cast<char>('0' + shown / 10));
  text.append(".").append(1, static_cast<char>('0' + shown % 10));
  return text;
}

std::string losePCell(std::int32_t value, std::int32_t rank) {
  return framed(value == 0 ? "*" : rank <= 5 ? "+" : " ", losePText(value));
}

std::string formCell(std::int32_t form, bool scratched) {
  static const std::array<std::string, 5> cells{sj("/Ｄ/"), sj("-Ｃ-"), sj(" Ｂ "), sj(" Ａ "),
                                                sj(" ？ ")};
  if (form == 2 && scratched) return cells[4];
  return cells[std::clamp(form, 0, 3)];
}

std::string styleCell(const std::string& style, std::int32_t fit) {
  return framed(fit >= 2 ? "+" : fit == 1 ? " " : "-", style);
}

const std::string& markSymbol(const std::array<std::string, 6>& symbols, int n) {
  return symbols[n >= 1 && n <= 5 ? n - 1 : 5];
}

bool nothingAgainst(std::int32_t power, std::int32_t allDistance, bool losePZero,
                    std::int32_t losePRank) {
  return power >= kNoComparison && allDistance >= kNoComparison && (losePZero || losePRank <= 5);
}

std::string unmarkedCell(std::int32_t power, std::int32_t allDistance, bool losePZero,
                         std::int32_t losePRank) {
  static const std::string unsure = sj(" ？ "), blank = sj(" 　 ");
  return nothingAgainst(power, allDistance, losePZero, losePRank) ? unsure : blank;
}

std::string markedCell(const std::string& symbol) {
  return framed(" ", symbol);
}

std::string reliabilityText(std::int32_t confidence) {
  std::string text(" ");
  static const std::string percent = sj("％");
  text.append(std::to_string(confidence)).append(percent);
  return text;
}

}  // namespace korvane
