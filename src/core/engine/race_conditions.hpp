#pragma once
// The race conditions window without its widgets: the items of its lists, the rows a race card
// selects when the window opens, and what 完了 stores back into the card (racecourse with its
// inner or outer turf course, surface, distance, going, and the standard development).

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/race_card.hpp"

namespace korvane {

// The list items exactly as the window shows them (cp932).
struct RaceConditionItems {
  // KeibajouLst (the ten central racecourses), KeibajouLst2 and KeibajouLst3 (local racecourses,
  // dirt only): " 東京", " 大井", " 上山", …
  std::array<std::vector<std::string>, 3> courses;
  std::vector<std::string> surfaces;       // CourseLst: "　芝", "ダート"
  std::vector<std::string> distances;      // KyoriLst: "  800m" … " 2400m", with " 1150m"
  std::vector<std::string> longDistances;  // KyoriLst2: " 2500m" … " 3600m"
  std::vector<std::string> goings;  // JoutaiLst: "○良", "□稍重", "●重", "■不良"
};
const RaceConditionItems& raceConditionItems();

// The selected row of every list, 0-based; -1 where nothing is selected. At most one of the
// three racecourse lists and one of the two distance lists has a selection.
struct RaceConditionsChoice {
  int courseList = -1;  // 0 KeibajouLst, 1 KeibajouLst2, 2 KeibajouLst3
  int courseRow = -1;
  int surfaceRow = 0;  // 0 芝, 1 ダート
  int distanceRow = -1;
  int longDistanceRow = -1;
  int goingRow = 0;  // 0 良 … 3 不良

  bool operator==(const RaceConditionsChoice&) const = default;
};

// What the window selects when it opens over the card.
RaceConditionsChoice choiceForCard(const TRaceCard& card);

// Which turf course a race at this racecourse and distance uses, for 京都, 新潟 and 阪神 (the
// racecourse as listed, without a course); Ask where the distance is run on both.
enum class TurfCourse { Inner, Outer, Ask, None };
TurfCourse turfCourse(std::string_view racecourse, int distance);

// Asked where the distance is run on both courses: true for 内回り, false for 外回り.
using AskInnerFn = std::function<bool()>;

// Stores the choice into the race card, asking for the course where needed, and resets the
// development to the standard one for the new conditions.
void applyRaceConditions(TRaceCard& card, const RaceConditionsChoice& choice,
                         const AskInnerFn& askInner);

// The standard development for the card's present conditions (標準設定 of the development window).
std::string standardDevelopmentOf(const TRaceCard& card);

}  // namespace korvane
