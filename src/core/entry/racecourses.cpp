#include "core/entry/racecourses.hpp"

#include <array>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr std::array<int, kRacecourseLists + 1> kListStart{0, 10, 22, 29, 40, 48};

const std::vector<Racecourse>& table() {
  static const std::vector<Racecourse> courses = [] {
    // display name, code; the list item cuts the three-character names to two.
    const char* const rows[kRacecourses][2] = {
        {"東京", "東"}, {"中山", "中"},   {"京都", "京"},   {"阪神", "阪"}, {"中京", "名"},
        {"小倉", "小"}, {"福島", "福"},   {"新潟", "新"},   {"札幌", "札"}, {"函館", "函"},
        {"米国", "米"}, {"加国", "加"},   {"英国", "英"},   {"仏国", "仏"}, {"独国", "独"},
        {"愛国", "愛"}, {"伊国", "伊"},   {"豪州", "豪"},   {"新国", "Ｎ"}, {"香港", "香"},
        {"ｱﾗﾌﾞ", "ア"}, {"ｼﾝｶﾞ", "シ"},   {"大井", "大"},   {"川崎", "川"}, {"船橋", "船"},
        {"浦和", "浦"}, {"高崎", "高"},   {"宇都宮", "宇"}, {"足利", "足"}, {"旭川", "旭"},
        {"帯広", "帯"}, {"岩見沢", "岩"}, {"門別", "門"},   {"盛岡", "盛"}, {"水沢", "水"},
        {"上山", "上"}, {"三条", "三"},   {"名古屋", "屋"}, {"笠松", "笠"}, {"金沢", "金"},
        {"園田", "園"}, {"姫路", "姫"},   {"福山", "山"},   {"益田", "益"}, {"高知", "知"},
        {"佐賀", "佐"}, {"荒尾", "荒"},   {"中津", "津"}};
    std::vector<Racecourse> list;
    for (const auto& row : rows) {
      const std::string display = sj(row[0]);
      list.push_back({" " + cutBytes(display, 4), display, sj(row[1])});
    }
    return list;
  }();
  return courses;
}

std::vector<std::string> numberedItems(int from, int to, std::string_view unit) {
  std::vector<std::string> items;
  for (int n = from; n <= to; ++n) items.push_back(" " + slotNumber(n) + std::string(unit));
  return items;
}

}  // namespace

const Racecourse& racecourse(int index) {
  return table()[static_cast<std::size_t>(index)];
}

int racecourseList(int index) {
  int list = 0;
  while (list + 1 < kRacecourseLists && index >= kListStart[list + 1]) ++list;
  return list;
}

int firstOfRacecourseList(int list) {
  return kListStart[static_cast<std::size_t>(list)];
}

int racecourseListSize(int list) {
  return kListStart[static_cast<std::size_t>(list) + 1] -
         kListStart[static_cast<std::size_t>(list)];
}

bool isLocalRacecourse(int index) {
  return index >= kListStart[2];
}

int racecourseOfCode(std::string_view code) {
  for (int i = 0; i < kRacecourses; ++i) {
    if (racecourse(i).code == code) return i;
  }
  return kNoRacecourse;
}

bool isTokyo(int index) {
  return index == 0;
}

int distanceMetres(int index) {
  if (index <= 3) return 800 + 100 * index;
  if (index == 4) return 1150;
  if (index == kDistances - 1) return 4000;
  return 700 + 100 * index;
}

int distanceIndex(int metres) {
  for (int i = 0; i < kDistances; ++i) {
    if (distanceMetres(i) == metres) return i;
  }
  return kNoDistance;
}

std::vector<std::string> distanceItems(bool longList) {
  std::vector<std::string> items;
  const int from = longList ? kFirstLongDistance : 0;
  const int to = longList ? kDistances : kFirstLongDistance;
  for (int i = from; i < to; ++i) items.push_back(std::to_string(distanceMetres(i)) + "m");
  return items;
}

std::vector<std::string> finishItems() {
  return numberedItems(1, 18, sj("着"));
}

std::vector<std::string> monthItems() {
  return numberedItems(1, 12, sj("月"));
}

std::vector<std::string> yearItems(int currentYear) {
  const auto twoDigits = [](int year) {
    const int yy = ((year % 100) + 100) % 100;
    return std::string{static_cast<char>('0' + yy / 10), static_cast<char>('0' + yy % 10)};
  };
  std::vector<std::string> items{sj("今年('") + twoDigits(currentYear) + ")",
                                 sj("去年('") + twoDigits(currentYear - 1) + ")"};
  for (int back = 2; back <= 9; ++back) {
    const std::string yy = twoDigits(currentYear - back);
    items.push_back(" '" + fullWidthDigit(yy[0] - '0') + fullWidthDigit(yy[1] - '0'));
  }
  return items;
}

std::vector<std::string> cornerItems() {
  std::vector<std::string> items;
  for (int n = 1; n <= 18; ++n) items.push_back(slotNumber(n));
  return items;
}

std::vector<std::string> digitItems(int from, int to) {
  std::vector<std::string> items;
  for (int d = from; d <= to; ++d) items.push_back(fullWidthDigit(d));
  return items;
}

const std::vector<std::string>& surfaceItems() {
  static const std::vector<std::string> items{sj("　芝"), sj("ダート")};
  return items;
}

const std::vector<std::string>& goingItems() {
  static const std::vector<std::string> items{sj("○良"), sj("□稍重"), sj("●重"), sj("■不良")};
  return items;
}

}  // namespace korvane
