#include "core/engine/race_style.hpp"

#include <array>

#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

enum Style { Nige, Senkou, Koui, Sashi, Oikomi, kStyles };

const std::array<std::string, kStyles>& styleTexts() {
  static const std::array<std::string, kStyles> texts{sj("逃"), sj("先"), sj("好"), sj("差"),
                                                      sj("追")};
  return texts;
}

// Where the runner was at the 3rd corner, and whether it held on to the 4th.
int classify(int c3, int c4) {
  if (c3 == 1) return Nige;
  if (c3 == 2 || c3 == 3) return Senkou;
  if (c3 == 4) return c4 <= 2 ? Senkou : Koui;
  if (c3 == 5 || c3 == 6) return c4 <= 4 ? Koui : Sashi;
  if (c3 >= 7 && c3 <= 18) return c4 <= 6 ? Sashi : Oikomi;
  return kStyles;  // counted, but no class
}

}  // namespace

std::string raceStyle(const RunCache& cache, const HorseStore& store, const TRaceCard& card,
                      DistanceWindow window, int slot) {
  std::array<int, kStyles> c{};
  int counted = 0, front = 0, back = 0;
  bool classified = false;
  for (int r = 1; r <= kRuns && counted < 3; ++r) {
    const CachedRun& run = cache[slot][r];
    if (!run.raceSurface || run.distance < window.min || run.distance > window.max ||
        card.disregard[slot][r] || run.corner4 <= 0) {
      continue;
    }
    const int style = classify(run.corner3, run.corner4);
    if (style < kStyles) {
      ++c[style];
      classified = true;
    }
    if (++counted == 2) {
      front = c[Nige] + c[Senkou];
      back = c[Sashi] + c[Oikomi];
    }
  }
  if (!classified) {
    static const std::string unknown = sj("？");
    const int horse = card.runner[slot];
    if (horse < 1 || horse > store.count) return unknown;
    std::string stored = horseStyle(store, horse);
    return stored.empty() ? unknown : stored;
  }

  int result = Koui;
  if (c[Senkou] + c[Koui] + c[Sashi] + c[Oikomi] < c[Nige]) {
    result = Nige;
  } else if (c[Sashi] + c[Koui] + c[Nige] + c[Senkou] < c[Oikomi]) {
    result = Oikomi;
  } else if (c[Sashi] + c[Koui] + c[Oikomi] < c[Nige] + c[Senkou]) {
    result = Senkou;
  } else if (c[Nige] + c[Senkou] + c[Koui] < c[Sashi] + c[Oikomi]) {
    result = Sashi;
  }
  // A runner that has shown both ways of racing within its last runs is taken as versatile.
  if (front > 0 && (result == Sashi || result == Oikomi)) result = Koui;
  if (back > 0 && (result == Nige || result == Senkou)) result = Koui;
  return styleTexts()[result];
}

int developmentRow(std::string_view development) {
  int row = 2;  // 展開不問 for any text that is not one of the developments
  for (int d = 0; d < kDevelopmentCount; ++d) {
    if (developments()[d] == development) row = d;
  }
  return row;
}

namespace {

// A style text of one double-byte character as one number, -1 for any other text: finding a
// runner's style among the five is then a comparison of numbers.
int styleKey(std::string_view text) {
  if (text.size() != 2) return -1;
  return static_cast<unsigned char>(text[0]) << 8 | static_cast<unsigned char>(text[1]);
}

}  // namespace

int styleFitInRow(std::string_view style, int row) {
  static const int unknown = styleKey(sj("？"));
  static const std::array<int, kStyles> styles = [] {
    std::array<int, kStyles> keys{};
    for (int s = 0; s < kStyles; ++s) keys[s] = styleKey(styleTexts()[s]);
    return keys;
  }();
  // [development 0..4 of developments(), and 展開不問 for any other text][逃 先 好 差 追]
  static constexpr std::array<std::array<int, kStyles>, kDevelopmentCount> table{{
      {2, 2, 1, 1, 0},  // 逃げ先行断然
      {2, 2, 1, 1, 0},  // 逃げ先行有利
      {2, 2, 1, 1, 1},  // 展開不問
      {0, 1, 1, 2, 2},  // 差し追込有利
      {0, 1, 1, 2, 2},  // 差し追込断然
  }};
  const int key = styleKey(style);
  if (key == unknown) return 1;
  for (int s = 0; s < kStyles; ++s) {
    if (styles[s] == key) return table[row][s];
  }
  return 0;
}

int styleFit(std::string_view style, std::string_view development) {
  return styleFitInRow(style, developmentRow(development));
}

}  // namespace korvane
