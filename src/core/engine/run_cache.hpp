#pragma once
// The past runs of every runner slot, read once from the horse records at the start of a
// prediction so that the comparison loops never touch the store's lines.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/database/horse_record.hpp"
#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"

namespace korvane {

// One past run as the comparisons need it.
struct CachedRun {
  // The run's course key (racecourse or layout code, meeting month, surface, going) split in two:
  // `place` packs everything but the month, `month` the four YYMM bytes. Two runs meet only on
  // the same place; `nearMonths` are the months one and two either side (YYMM bytes).
  std::uint64_t place = 0;
  std::uint32_t month = 0;
  std::array<std::uint32_t, 4> nearMonths{};  // filled for an irregular month only
  std::int32_t distance = 9999;  // metres; 9999 = not entered
  std::int32_t finish = 99;      // 99 = not entered
  std::int32_t corner3 = 0;      // positions at the 3rd and 4th corner; 0 = not entered
  std::int32_t corner4 = 0;
  std::int32_t time = 0;      // tenths of a second; 0 = no time entered
  std::int32_t last3F = 999;  // tenths; 990 and above never vote
  bool present = false;       // surface is not 無
  bool raceSurface = false;   // surface equals the race's
  // For a readable YYMM with MM 01..12, the months since 00/01 (YY * 12 + MM - 1), else -1.
  // Between two such runs "within two months" is the same distance both ways round, so one
  // check serves both runs; undated (00) and damaged months can see a month that does not see
  // them back.
  std::int16_t monthIndex = -1;
};

// The distances whose runs count for a race (metres, both ends included).
struct DistanceWindow {
  std::int32_t min = 0, max = 0;
};

// [slot 1..18][run 1..5]; index 0 of both axes unused. A scratched slot has five empty runs.
using RunCache = std::array<std::array<CachedRun, kRuns + 1>, kMaxRunners + 1>;

void fillRunCache(RunCache& cache, const HorseStore& store, const TRaceCard& card);

// Same meeting period: the other run's key equals this run's key or one of its four month
// variants. From a regular month those are the regular months at most two away (a damaged or
// undated month is never among them); only an irregular month needs its variants spelt out.
inline bool sameMeeting(const CachedRun& own, const CachedRun& other) {
  if (other.place != own.place) return false;
  if (own.monthIndex >= 0) {
    if (other.monthIndex < 0) return false;
    constexpr int kYears = 100 * 12;  // month indexes roll over between 99/12 and 00/01
    const int apart = own.monthIndex > other.monthIndex ? own.monthIndex - other.monthIndex
                                                        : other.monthIndex - own.monthIndex;
    return apart <= 2 || apart >= kYears - 2;
  }
  if (other.month == own.month) return true;
  for (std::uint32_t m : own.nearMonths) {
    if (other.month == m) return true;
  }
  return false;
}

// The four keys of the neighbouring meeting months of a course key (month - 1, month + 1,
// month - 2, month + 2), every other byte kept; years roll over between 99 and 00.
std::array<std::string, 4> meetingVariants(std::string_view key);

// MSSd as tenths of a second; 0 when the time was not entered or is not four digits.
std::int32_t timeInTenths(std::string_view time);

}  // namespace korvane
