#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <tuple>

#include "core/engine/meetings.hpp"
#include "core/engine/tallies.hpp"

namespace korvane {
namespace {

// A run at one course over one distance, its course key differing only in the YYMM bytes.
CachedRun runIn(const std::string& yymm, int time) {
  const std::string key = "AA" + yymm + "BBCC";
  CachedRun run;
  run.place = 7;
  run.distance = 1600;
  run.time = time;
  run.present = run.raceSurface = true;
  std::memcpy(&run.month, key.data() + 2, 4);
  const auto variants = meetingVariants(key);
  for (std::size_t v = 0; v < 4; ++v) std::memcpy(&run.nearMonths[v], variants[v].data() + 2, 4);
  const int yy = (yymm[0] - '0') * 10 + (yymm[1] - '0'),
            mm = (yymm[2] - '0') * 10 + (yymm[3] - '0');
  const bool digits = yymm.find_first_not_of("0123456789") == std::string::npos;
  if (digits && mm >= 1 && mm <= 12) run.monthIndex = static_cast<std::int16_t>(yy * 12 + mm - 1);
  return run;
}

using Seen = std::set<std::tuple<int, int, int>>;  // slot, run, sign of the verdict

Seen seenBy(const Meetings& m, int slot, int run) {
  Seen seen;
  const Meetings::Met& met = m.of[slot][run];
  for (int s = 1; s <= kRuns; ++s) {
    for (int k = 0; k < 32; ++k) {
      for (int o = kLost; o <= kWon; ++o) {
        if (met.cell[Meetings::Met::cellOf(o, s)] >> k & 1u) seen.insert({k, s, o - 1});
      }
    }
  }
  return seen;
}

// The meeting period by its definition: the other run's month is this run's or one of its four
// variants, whatever kind of month either holds.
bool variantsMeet(const CachedRun& own, const CachedRun& other) {
  if (other.month == own.month) return true;
  for (std::uint32_t m : own.nearMonths) {
    if (other.month == m) return true;
  }
  return false;
}

// Finding each pair once must give every run the meetings that asking from its own side gives,
// including undated (00) and damaged months, which can see a month that does not see them back.
TEST(EngineMeetings, EachRunSeesWhatItsOwnSideSees) {
  const char* months[3][kRuns] = {{"2401", "2312", "0000", "2313", "9912"},
                                  {"0001", "2402", "2311", "0002", "24x1"},
                                  {"2403", "0000", "2313", "24x1", "0012"}};
  RunCache cache{};
  RunFlags runs{};
  for (int k = 1; k <= 3; ++k) {
    for (int r = 1; r <= kRuns; ++r) {
      cache[k][r] = runIn(months[k - 1][r - 1], 900 + 7 * k + r);
      // Slots 2 and 3 also time the last 600 m, which now and then undoes the time: level.
      if (k >= 2) cache[k][r].last3F = 330 + (3 * k + 5 * r) % 11;
      runs[k][r] = true;
    }
  }
  Meetings found;
  findMeetings(found, cache, 3, runs, runs, true);
  for (int i = 1; i <= 3; ++i) {
    for (int r = 1; r <= kRuns; ++r) {
      Seen expected;
      for (int k = 1; k <= 3; ++k) {
        for (int s = 1; s <= kRuns; ++s) {
          EXPECT_EQ(sameMeeting(cache[i][r], cache[k][s]), variantsMeet(cache[i][r], cache[k][s]))
              << months[i - 1][r - 1] << " " << months[k - 1][s - 1];
          if (k != i && variantsMeet(cache[i][r], cache[k][s]))
            expected.insert({k, s, (verdict(cache[i][r], cache[k][s], true) > 0) -
                                       (verdict(cache[i][r], cache[k][s], true) < 0)});
        }
      }
      EXPECT_EQ(seenBy(found, i, r), expected) << "slot " << i << " run " << r;
    }
  }
  // The undated run sees January of 00, which looks back to December of 99 instead.
  EXPECT_TRUE(seenBy(found, 1, 3).count({2, 1, 1}));
  EXPECT_FALSE(seenBy(found, 2, 1).count({1, 3, -1}));
  // A month 13 sees the December before it, which does not see it.
  EXPECT_FALSE(seenBy(found, 1, 4).count({1, 2, 1}));  // own runs never meet
  EXPECT_TRUE(seenBy(found, 3, 3).count({1, 2, -1}));
  EXPECT_FALSE(seenBy(found, 1, 2).count({3, 3, 1}));
  // Faster over the whole race, slower over the last 600 m.
  EXPECT_TRUE(seenBy(found, 2, 2).count({3, 1, 0}));
  EXPECT_TRUE(seenBy(found, 3, 1).count({2, 2, 0}));
  // January of 00 and December of 99 meet across the turn of the century.
  EXPECT_TRUE(seenBy(found, 2, 1).count({1, 5, -1}));
  EXPECT_TRUE(seenBy(found, 1, 5).count({2, 1, 1}));
}

}  // namespace
}  // namespace korvane
