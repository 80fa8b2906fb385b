#include "core/database/store_maintenance.hpp"

#include <algorithm>

#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/race_files.hpp"

namespace korvane {

namespace {

constexpr int kMaxAge = 99;
constexpr std::string_view kUndated = "0000";
constexpr int kCenturyWindow = 50;  // two-digit years farther apart belong to another century

}  // namespace

void changeAllAges(HorseStore& store, int step) {
  for (int n = 1; n <= store.count; ++n) {
    const int age = std::clamp(horseAge(store, n) + step, 1, kMaxAge);
    store.setLine(n, 1, withAge(std::string(store.line(n, 1)), age));
  }
}

int cutOffYear(int todayYear, int years) {
  const int year = todayYear % 100 - years;
  return year < 0 ? year + 100 : year;
}

bool lastRanLongAgo(std::string_view latest, int todayYear, int todayMonth, int years) {
  if (latest.empty() || latest == kUndated) return false;
  const int k = cutOffYear(todayYear, years);
  const int y = meetingYear(latest);
  const int m = parseLenient(latest.substr(std::min<std::size_t>(latest.size(), 2), 2));
  return (y < k && y > k - kCenturyWindow) || y > k + kCenturyWindow || (y == k && todayMonth >= m);
}

std::vector<int> findOldHorses(const HorseStore& store, int todayYear, int todayMonth, int years) {
  std::vector<int> old;
  for (int n = 1; n <= store.count && static_cast<int>(old.size()) < kMaxMovedHorses; ++n) {
    const BlockLines block = store.block(n);
    const std::vector<std::string_view> months = presentMonths(block);
    const std::string_view latest = months.empty() ? kUndated : months.front();
    if (lastRanLongAgo(latest, todayYear, todayMonth, years)) old.push_back(n);
  }
  return old;
}

std::vector<std::string> movedHorsesFile(const HorseStore& store, std::span<const int> horses) {
  return raceFileOf(store, emptyRaceHeader(kRaceFileBanner), horses);
}

}  // namespace korvane
