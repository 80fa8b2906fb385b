#pragma once
// Everything a prediction run leaves for the views: per runner slot (1-based, index 0 unused) and
// for the race. Points are tenths (523 = 52.3); 500 is the midpoint and "no comparison".

#include <array>
#include <cstdint>
#include <string>

#include "core/database/race_card.hpp"

namespace korvane {

inline constexpr int kMaxMarks = 7;

// The midpoint of every points index: the points of a runner never compared with a rival, and
// the line between the runners who came out better and worse.
inline constexpr std::int32_t kNoComparison = 500;

// The kind of bet a race calls for, as the bet class of ◎の信頼度 and as the judgement's way of
// betting: a box of the first horses, two axis horses, or one axis horse; None while nobody is
// marked.
enum class BetKind { None = 0, Box = 30, TwoAxes = 40, OneAxis = 90 };

struct RunnerResult {
  std::int32_t ability = kNoComparison, abilityRank = 0;  // 能力
  std::int32_t power = kNoComparison, powerRank = 0;      // 底力
  std::int32_t loseP = 9999, losePRank = 0;               // 負Ｐ, 9999 = no data
  bool losePZero = false;  // 負Ｐ 0 or no data, not scratched, form > 0
  std::int32_t allDistance = kNoComparison, allDistanceRank = 0;  // 全距離
  std::array<std::int32_t, 6> runScore{};                         // [run 1..5], 500 = no score
  std::int32_t best = kNoComparison, bestRank = 0;                // ベスト
  std::int32_t lastRun = kNoComparison, lastRunRank = 0;          // 前走
  std::int32_t form = 2;                                          // 近走 grade 0..3
  std::int32_t korvane = kNoComparison, korvaneRank = 0;          // コルバン指数
  std::string raceStyle;      // 逃 先 好 差 追 ？ (cp932, 2 bytes)
  std::int32_t styleFit = 1;  // 0, 1, 2

  bool operator==(const RunnerResult&) const = default;
};

// A list of runner slots in some order; `size` entries are used.
struct SlotOrder {
  std::array<std::int32_t, kMaxRunners> slot{};
  std::int32_t size = 0;

  bool operator==(const SlotOrder&) const = default;
};

struct TYosouResult {
  int runnerCount = 0;
  std::array<RunnerResult, kMaxRunners + 1> runner{};
  SlotOrder korvaneOrder, powerOrder, bestOrder, abilityOrder, lastRunOrder, allDistanceOrder,
      losePOrder;
  std::array<std::int32_t, kMaxMarks> markOrder{};  // marked slots, ◎ first
  std::int32_t markCount = 0;
  std::int32_t confidence = 0;                    // ◎の信頼度 in per cent
  BetKind confidenceClass = BetKind::None;        // after the bet display setting
  std::int32_t distanceMin = 0, distanceMax = 0;  // distance window of the race distance
  // The development the race conditions call for; the card's own is "標準" when equal to it.
  std::string standardDevelopment;

  bool operator==(const TYosouResult&) const = default;
};

}  // namespace korvane
