// The race card as lines 2-60 of the header in front of the all-horses main file and of every
// race file. Both directions live here so that what is written is exactly what is read back.

#include <algorithm>
#include <charconv>
#include <string_view>

#include "core/database/horse_record.hpp"
#include "core/database/race_files.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr int kDistanceLine = 2;
constexpr int kCourseLine = 3;
constexpr int kSurfaceLine = 4;
constexpr int kGoingLine = 5;
constexpr int kRunnersLine = 6;
constexpr int kFirstRunnerLine = 7;      // 7-24: horse of each slot
constexpr int kFirstDisregardLine = 25;  // 25-42: disregarded runs of each slot
constexpr int kFirstOddsLine = 43;       // 43-60: win odds and the user's evaluation
constexpr int kLastCardLine = 60;

// Odds are typed by the user as a decimal such as 12.5; a damaged value counts as not entered.
// from_chars and to_chars keep the decimal point whatever locale the desktop sets.
double parseOdds(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  std::size_t end = start;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  if (end == start) return 0.0;
  if (end < text.size() && text[end] == '.') {
    ++end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  }
  double value = 0.0;
  std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::fixed);
  return std::min(value, 1e9);
}

std::string formatOdds(double odds) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::clamp(odds, 0.0, 1e9),
                                    std::chars_format::fixed, 1);
  return std::string(buffer, result.ptr);
}

LoadError errorAt(const std::filesystem::path& file, int line, std::string_view reasonUtf8) {
  return LoadError{file, line, sj(reasonUtf8)};
}

}  // namespace

std::variant<TRaceCard, LoadError> parseRaceHeader(std::span<const std::string_view> header,
                                                   const std::filesystem::path& file) {
  if (header.size() < static_cast<std::size_t>(kLastCardLine)) {
    return errorAt(file, static_cast<int>(header.size()) + 1, "ファイルが途中で終わっています。");
  }
  const auto line = [&](int L) -> std::string_view { return header[L - 1]; };
  const std::string_view notANumber = "数字ではありません。";

  TRaceCard card;
  card.distance = parseLenient(line(kDistanceLine));
  // Older files give the distance in hundreds of metres.
  if (card.distance < 100) card.distance *= 100;
  card.course = cutBytes(line(kCourseLine), 8);
  card.surface = cutBytes(line(kSurfaceLine), 2);
  card.going = cutBytes(line(kGoingLine), 4);

  const std::string_view runners = line(kRunnersLine);
  const std::size_t comma = runners.find(',');
  const std::optional<int> count = parseStrict(runners.substr(0, comma));
  if (!count) return errorAt(file, kRunnersLine, notANumber);
  if (*count > kMaxRunners) return errorAt(file, kRunnersLine, "出走馬が18頭を越えています。");
  card.runnerCount = *count;
  // Files from before the development was kept get the development the race would have now.
  card.development = comma == std::string_view::npos
                         ? standardDevelopment(card.surface, card.course, card.distance, card.going)
                         : cutBytes(runners.substr(comma + 1), 12);

  for (int k = 1; k <= kMaxRunners; ++k) {
    const int L = kFirstRunnerLine + k - 1;
    if (k <= card.runnerCount) {
      const std::optional<int> horse = parseStrict(line(L));
      if (!horse) return errorAt(file, L, notANumber);
      card.runner[k] = *horse;
    } else {
      card.runner[k] = parseLenient(line(L));  // unused slot, carried along
    }
  }

  for (int k = 1; k <= kMaxRunners; ++k) {
    const std::string_view flags = line(kFirstDisregardLine + k - 1);
    for (int r = 1; r <= kRuns; ++r) {
      card.disregard[k][r] = flags.find(static_cast<char>('0' + r)) != std::string_view::npos;
    }
  }

  for (int k = 1; k <= kMaxRunners; ++k) {
    const int L = kFirstOddsLine + k - 1;
    const std::string_view text = line(L);
    const std::size_t at = text.find(',');
    card.winOdds[k] = parseOdds(text.substr(0, at));
    card.userRank[k] = 3;
    if (at != std::string_view::npos) {
      const std::optional<int> rank = parseStrict(text.substr(at + 1));
      if (!rank) return errorAt(file, L, notANumber);
      // Every view lists the five evaluations by number; another value has no place there.
      if (*rank < 1 || *rank > 5) return errorAt(file, L, "評価は1から5の数字です。");
      card.userRank[k] = *rank;
    }
  }
  return card;
}

void writeRaceHeader(const TRaceCard& card, std::span<std::string> header) {
  const auto line = [&](int L) -> std::string& { return header[L - 1]; };
  line(kDistanceLine) = std::to_string(card.distance);
  line(kCourseLine) = card.course;
  line(kSurfaceLine) = card.surface;
  line(kGoingLine) = card.going;
  line(kRunnersLine) = std::to_string(card.runnerCount) + "," + card.development;
  for (int k = 1; k <= kMaxRunners; ++k) {
    line(kFirstRunnerLine + k - 1) = std::to_string(card.runner[k]);

    std::string flags;
    for (int r = 1; r <= kRuns; ++r) {
      if (card.disregard[k][r]) flags += static_cast<char>('0' + r);
    }
    line(kFirstDisregardLine + k - 1) = flags.empty() ? "0" : flags;

    line(kFirstOddsLine + k - 1) =
        formatOdds(card.winOdds[k]) + "," + std::to_string(card.userRank[k]);
  }
}

}  // namespace korvane
