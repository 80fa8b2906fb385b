#pragma once
// The racecourses and distances of the past-run entry screen's pick lists (cp932).

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The 48 racecourses in the order of the five lists: 10 central, 12 abroad, 7 south and north
// Kanto, 11 Hokkaido, Tohoku and Chubu, 8 west.
inline constexpr int kRacecourses = 48;
inline constexpr int kRacecourseLists = 5;
inline constexpr int kNoRacecourse = -1;

struct Racecourse {
  std::string item;  // the list item: a blank and the name (宇都宮 岩見沢 名古屋 cut to two)
  std::string display;  // the name in `KeibajouEdt`
  std::string code;     // the one-character code stored in the run
};

const Racecourse& racecourse(int index);
// The list (0..4) of a racecourse and the first index of a list.
int racecourseList(int index);
int firstOfRacecourseList(int list);
int racecourseListSize(int list);
// The local courses (lists 3 to 5) are dirt tracks.
bool isLocalRacecourse(int index);
// The index of a stored code, kNoRacecourse for a code none of the 48 has.
int racecourseOfCode(std::string_view code);
bool isTokyo(int index);

// Distances: 0..17 in `KyoriLst` (800 .. 1100, 1150, 1200 .. 2400), 18..30 in `KyoriLst2`
// (2500 .. 3600, 4000).
inline constexpr int kDistances = 31;
inline constexpr int kFirstLongDistance = 18;
inline constexpr int kNoDistance = -1;
int distanceMetres(int index);
int distanceIndex(int metres);  // kNoDistance when no list offers it

// The items of the other pick lists.
std::vector<std::string> distanceItems(bool longList);  // "800m" .. / "2500m" .. "4000m"
std::vector<std::string> finishItems();  // " １着" .. " ９着", " 10着" .. " 18着"
std::vector<std::string> monthItems();   // " １月" .. " ９月", " 10月" .. " 12月"
// 今年('09), 去年('08), then " '０７" .. " '００" for the year `currentYear`.
std::vector<std::string> yearItems(int currentYear);
std::vector<std::string> cornerItems();                 // "１" .. "９", "10" .. "18"
std::vector<std::string> digitItems(int from, int to);  // full-width digits
const std::vector<std::string>& surfaceItems();         // "　芝", "ダート"
const std::vector<std::string>& goingItems();  // "○良", "□稍重", "●重", "■不良"

}  // namespace korvane
