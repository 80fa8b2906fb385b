#include "core/betting/odds.hpp"

#include <charconv>
#include <cmath>
#include <cstddef>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr double kOddsLimit = kScratchedOdds;  // typed odds stay below the scratch mark

bool validOdds(double odds) {
  return odds > 0.0 && odds < kOddsLimit;  // false for NaN too
}

// Blank while not entered and for a withdrawn runner.
std::string oddsColumnText(double odds, std::size_t width) {
  if (odds == 0.0 || odds >= kScratchedOdds) return {};
  return oddsFigure(odds, width);
}

// The typed text with full-width digits, point and signs made half-width and blanks dropped at
// both ends; nothing when it holds any other double-byte character.
std::optional<std::string> halfWidthNumber(std::string_view text) {
  static const std::string zenDigits = sj("０１２３４５６７８９"), zenPoint = sj("．"),
                           zenMinus = sj("－"), zenPlus = sj("＋"), zenSpace = sj("　");
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t n = charBytesAt(text, pos);
    const std::string_view ch = text.substr(pos, n);
    pos += n;
    if (n == 1) {
      out += ch == " " ? std::string_view() : ch;
      continue;
    }
    if (ch == zenSpace) continue;
    if (ch == zenPoint) {
      out += '.';
    } else if (ch == zenMinus) {
      out += '-';
    } else if (ch == zenPlus) {
      out += '+';
    } else {
      const std::size_t at = zenDigits.find(ch);
      if (at == std::string::npos || at % 2 != 0) return std::nullopt;
      out += static_cast<char>('0' + at / 2);
    }
  }
  return out;
}

std::string trimmedName(std::string_view name) {
  static const std::string zenSpace = sj("　");
  std::size_t end = 0;
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t n = charBytesAt(name, pos);
    const std::string_view ch = name.substr(pos, n);
    pos += n;
    if (ch != " " && ch != zenSpace) end = pos;
  }
  return std::string(name.substr(0, end));
}

}  // namespace

std::optional<double> readOddsInput(std::string_view text) {
  double value = 0.0;
  if (const auto number = halfWidthNumber(text)) {
    std::string_view digits = *number;
    if (digits.starts_with('+')) digits.remove_prefix(1);
    double parsed = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed,
                                           std::chars_format::fixed);
    if (ec == std::errc() && end == digits.data() + digits.size()) value = parsed;
  }
  if (!validOdds(value)) return std::nullopt;
  return value;
}

double roundOdds(double odds) {
  const std::string text = oddsFigure(odds);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::optional<double> readWinOddsInput(std::string_view text) {
  const std::optional<double> odds = readOddsInput(text);
  if (!odds) return std::nullopt;
  const double stored = roundOdds(*odds);
  if (!validOdds(stored)) return std::nullopt;
  return stored;
}

bool isScratched(const TRaceCard& card, int slot) {
  return card.runner[slot] == 0;
}

std::string popularityItem(const TRaceCard& card, int slot) {
  if (!card.oddsComplete) return " ";
  if (isScratched(card, slot)) return " ??";
  return " " + padLeft(std::to_string(card.popularity[slot]), 2);
}

std::string winOddsItem(const TRaceCard& card, int slot) {
  return " " + padLeft(oddsColumnText(card.winOdds[slot], 4), 4);
}

std::string winOddsValue(double odds) {
  return oddsColumnText(odds, 4);
}

std::string winOddsQuestion(const AppState& app, int slot) {
  return std::to_string(slot) + " " + trimmedName(horseName(app.store, app.card.runner[slot])) +
         sj("の単勝オッズ");
}

QuinellaOdds::QuinellaOdds(int runnerCount)
    : odds_(runnerCount >= 2 ? static_cast<std::size_t>(runnerCount) : 0, 0.0) {}

bool QuinellaOdds::complete() const {
  for (double odds : odds_) {
    if (odds == 0.0) return false;
  }
  return !odds_.empty();
}

std::string QuinellaOdds::pairItem(int entry) const {
  if (entry == entries()) return sj("２-３");
  return sj("１-") + (entry + 1 <= 9 ? fullWidthDigit(entry + 1) : std::to_string(entry + 1));
}

std::string QuinellaOdds::oddsItem(int entry) const {
  return " " + padLeft(oddsColumnText(at(entry), 5), 5);
}

std::string QuinellaOdds::value(int entry) const {
  return oddsColumnText(at(entry), 5);
}

std::string QuinellaOdds::question(int entry) const {
  const std::string pair = entry == entries() ? "2-3" : "1-" + std::to_string(entry + 1);
  return sj("馬連 ") + pair + sj(" のオッズ");
}

std::optional<std::vector<double>> winOddsFromQuinella(const QuinellaOdds& odds) {
  // Horse 1's odds need the pairs 1-2, 1-3 and 2-3, so a field of three at least.
  const int n = odds.entries();
  if (n < 3 || !odds.complete()) return std::nullopt;
  const double first = std::sqrt(2.0 * odds.at(1) * odds.at(2) / odds.at(n));
  std::vector<double> win(static_cast<std::size_t>(n));
  win[0] = first;
  for (int i = 1; i <= n - 1; ++i) win[static_cast<std::size_t>(i)] = 2.0 * odds.at(i) / first;
  return win;
}

}  // namespace korvane
