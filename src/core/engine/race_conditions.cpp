#include "core/engine/race_conditions.hpp"

#include <algorithm>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr int kShortestItem = 800;   // KyoriLst starts at 800 m
constexpr int kOddItem = 1150;       // the one distance off the 100 m steps
constexpr int kLongestShort = 2400;  // KyoriLst ends, KyoriLst2 takes over
constexpr int kLongestItem = 3600;

std::vector<std::string> sjList(std::initializer_list<const char*> utf8) {
  std::vector<std::string> items;
  for (const char* text : utf8) items.push_back(sj(text));
  return items;
}

std::string distanceItem(int metres) {
  return padLeft(std::to_string(metres) + "m", 6);
}

// The distance of row i of KyoriLst: 800 … 1100, then 1150, then 1200 … 2400.
int shortDistanceOfRow(int i) {
  if (i <= 3) return kShortestItem + 100 * i;
  if (i == 4) return kOddItem;
  return 700 + 100 * i;
}

int longDistanceOfRow(int j) {
  return 2500 + 100 * j;
}

// The racecourse an item stores: the item without its leading blank; the lists only have room for
// two characters, so 岩見沢 and 名古屋 are listed short.
std::string courseOfItem(const std::string& item) {
  static const std::string iwami = sj("岩見"), nago = sj("名古");
  const std::string name = item.substr(1);
  if (name == iwami) return sj("岩見沢");
  if (name == nago) return sj("名古屋");
  return name;
}

}  // namespace

const RaceConditionItems& raceConditionItems() {
  static const RaceConditionItems items = [] {
    RaceConditionItems it;
    it.courses[0] = sjList(
        {" 東京", " 中山", " 京都", " 阪神", " 中京", " 小倉", " 福島", " 新潟", " 札幌", " 函館"});
    it.courses[1] = sjList({" 大井", " 川崎", " 船橋", " 浦和", " 高崎", " 宇都", " 足利", " 旭川",
                            " 帯広", " 岩見", " 門別", " 盛岡", " 水沢"});
    it.courses[2] = sjList({" 上山", " 三条", " 名古", " 笠松", " 金沢", " 園田", " 姫路", " 福山",
                            " 益田", " 高知", " 佐賀", " 荒尾", " 中津"});
    it.surfaces = sjList({"　芝", "ダート"});
    for (int i = 0; shortDistanceOfRow(i) <= kLongestShort; ++i) {
      it.distances.push_back(distanceItem(shortDistanceOfRow(i)));
    }
    for (int j = 0; longDistanceOfRow(j) <= kLongestItem; ++j) {
      it.longDistances.push_back(distanceItem(longDistanceOfRow(j)));
    }
    it.goings = sjList({"○良", "□稍重", "●重", "■不良"});
    return it;
  }();
  return items;
}

RaceConditionsChoice choiceForCard(const TRaceCard& card) {
  static const std::string dirt = sj("ダ");
  const RaceConditionItems& items = raceConditionItems();
  RaceConditionsChoice choice;

  // Two characters find the racecourse, so 京都(外) selects 京都 and 岩見沢 selects 岩見; a card
  // that never had conditions opens on 東京.
  const std::string key = card.course.empty() ? sj("東京") : cutBytes(card.course, 4);
  for (int list = 0; list < 3 && choice.courseList < 0; ++list) {
    const auto& names = items.courses[list];
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
      if (names[row].substr(1) == key) {
        choice.courseList = list;
        choice.courseRow = row;
        break;
      }
    }
  }

  choice.surfaceRow = card.surface == dirt ? 1 : 0;
  for (int row = 0; row < static_cast<int>(items.goings.size()); ++row) {
    if (items.goings[row].substr(2) == card.going) choice.goingRow = row;
  }

  const int d = card.distance;
  if (d <= 700) {
    choice.distanceRow = 0;
  } else if (d <= kLongestShort) {
    for (int i = 0; i < static_cast<int>(items.distances.size()); ++i) {
      if (shortDistanceOfRow(i) == d) choice.distanceRow = i;
    }
  } else {
    for (int j = 0; j < static_cast<int>(items.longDistances.size()); ++j) {
      if (longDistanceOfRow(j) == d) choice.longDistanceRow = j;
    }
  }
  return choice;
}

TurfCourse turfCourse(std::string_view racecourse, int distance) {
  struct Layout {
    std::string racecourse;
    std::vector<int> inner, asked;
  };
  // Everything else at these three racecourses is run on the outer course.
  static const std::array<Layout, 3> layouts{
      Layout{sj("京都"), {1200}, {1400, 1600, 2000}},
      Layout{sj("新潟"), {1200, 2200}, {1400, 1800, 2000, 2400, 3000}},
      Layout{sj("阪神"), {1200, 1400, 2000, 2200, 2500, 3000, 3200}, {}}};
  for (const Layout& layout : layouts) {
    if (layout.racecourse != racecourse) continue;
    auto has = [distance](const std::vector<int>& ds) {
      return std::find(ds.begin(), ds.end(), distance) != ds.end();
    };
    if (has(layout.inner)) return TurfCourse::Inner;
    if (has(layout.asked)) return TurfCourse::Ask;
    return TurfCourse::Outer;
  }
  return TurfCourse::None;
}

void applyRaceConditions(TRaceCard& card, const RaceConditionsChoice& choice,
                         const AskInnerFn& askInner) {
  static const std::string turf = sj("芝"), dirt = sj("ダ"), inner = sj("(内)"), outer = sj("(外)");
  const RaceConditionItems& items = raceConditionItems();

  if (choice.courseList >= 0 && choice.courseList < 3 && choice.courseRow >= 0 &&
      choice.courseRow < static_cast<int>(items.courses[choice.courseList].size())) {
    card.course = courseOfItem(items.courses[choice.courseList][choice.courseRow]);
  }
  card.surface = choice.surfaceRow == 1 ? dirt : turf;
  const int going = std::clamp(choice.goingRow, 0, static_cast<int>(items.goings.size()) - 1);
  card.going = items.goings[going].substr(2);

  if (choice.distanceRow >= 0 && choice.distanceRow < static_cast<int>(items.distances.size())) {
    card.distance = shortDistanceOfRow(choice.distanceRow);
  } else if (choice.longDistanceRow >= 0 &&
             choice.longDistanceRow < static_cast<int>(items.longDistances.size())) {
    card.distance = longDistanceOfRow(choice.longDistanceRow);
  }

  if (card.surface == turf) {
    switch (turfCourse(card.course, card.distance)) {
      case TurfCourse::Inner:
        card.course += inner;
        break;
      case TurfCourse::Outer:
        card.course += outer;
        break;
      case TurfCourse::Ask:
        card.course += askInner && askInner() ? inner : outer;
        break;
      case TurfCourse::None:
        break;
    }
  }

  card.development = standardDevelopmentOf(card);
}

std::string standardDevelopmentOf(const TRaceCard& card) {
  return standardDevelopment(card.surface, card.course, card.distance, card.going);
}

}  // namespace korvane
