#pragma once
// The user's own marking rules: one rule per mark ◎ ○ ▲ △ ×, in two sets (races run to a
// 有利 development or 展開不問, and races one way of running is sure to decide, 断然), and
// per set the order in which the fill-up looks at the indexes for the last marks.

#include <array>
#include <string>

#include "core/database/race_card.hpp"

namespace korvane {

inline constexpr int kRuleSets = 2;    // [0] 有利＆不問, [1] 断然
inline constexpr int kMarkRules = 5;   // ◎ ○ ▲ △ ×
inline constexpr int kPriorities = 5;  // indexes the fill-up walks

// The index a mark rule walks. The numbers are those of the custom file.
enum class RuleKind { Power = 1, Ability = 2, Best = 3, AllDistance = 4, LoseP = 5, LastRun = 6 };

// The index of a fill-up priority. The numbers are those of the custom file.
enum class PriorityCode { LastRun = 1, Best = 2, Ability = 3, Power = 4, AllDistance = 5 };

struct MarkRule {
  int kind = 1;         // RuleKind 1..6
  int powerFilter = 0;  // 1: only runners whose 底力 is above 50.0
  int losePFilter = 0;  // 1: only runners with 負Ｐ 0.0
  int minForm = 0;      // 近走: 3 Ａ, 2 Ａ or Ｂ, 1 Ａ to Ｃ, 0 any
  int style = 0;        // 脚質: 0 any, 1 "+" or unsigned, 2 "+", 3 unsigned, 4 "-"

  bool operator==(const MarkRule&) const = default;
};

struct RuleSet {
  std::array<MarkRule, kMarkRules> marks{};
  std::array<int, kPriorities> priority{};  // PriorityCode values, a permutation of 1..5

  bool operator==(const RuleSet&) const = default;
};

struct CustomRules {
  std::array<RuleSet, kRuleSets> sets{};

  bool operator==(const CustomRules&) const = default;
};

// The rules every program start and 標準 come back to.
CustomRules defaultCustomRules();

// The set for a development: [1] for 逃げ先行断然 and 差し追込断然, else [0] (展開不問 and any
// text that is no development included).
int ruleSetFor(const std::string& development);

// Whether every value lies in its range and each priority list is a permutation of 1..5, which
// the marking relies on when it looks indexes up by them.
bool rulesInRange(const CustomRules& rules);

}  // namespace korvane
