#include "core/engine/custom_rules.hpp"

#include <algorithm>

namespace korvane {

namespace {

// A rule written as its five digits, the way the defaults are known: kind, 底力 filter,
// 負Ｐ filter, minimum form, style.
constexpr MarkRule digits(int d) {
  return MarkRule{d / 10000, d / 1000 % 10, d / 100 % 10, d / 10 % 10, d % 10};
}

bool between(int value, int low, int high) {
  return value >= low && value <= high;
}

}  // namespace

CustomRules defaultCustomRules() {
  CustomRules rules;
  // An open race: ◎ a proven 底力 horse the development does not work against, then 能力 and
  // 底力 in turn; × a ベスト runner the development favours.
  rules.sets[0].marks = {digits(11001), digits(20000), digits(11000), digits(20000), digits(30002)};
  // A race the development decides: the ベスト runners it suits come first.
  rules.sets[1].marks = {digits(30002), digits(30002), digits(11001), digits(20001), digits(11001)};
  for (RuleSet& set : rules.sets) set.priority = {4, 3, 2, 1, 5};
  return rules;
}

int ruleSetFor(const std::string& development) {
  const auto& dev = developments();
  return development == dev[0] || development == dev[4] ? 1 : 0;
}

bool rulesInRange(const CustomRules& rules) {
  for (const RuleSet& set : rules.sets) {
    for (const MarkRule& m : set.marks) {
      if (!between(m.kind, 1, 6) || !between(m.powerFilter, 0, 1) ||
          !between(m.losePFilter, 0, 1) || !between(m.minForm, 0, 3) || !between(m.style, 0, 4)) {
        return false;
      }
    }
    std::array<int, kPriorities> sorted = set.priority;
    std::sort(sorted.begin(), sorted.end());
    if (sorted != std::array<int, kPriorities>{1, 2, 3, 4, 5}) return false;
  }
  return true;
}

}  // namespace korvane
