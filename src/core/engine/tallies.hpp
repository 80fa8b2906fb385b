#pragma once
// Head-to-head tallies: every runner's past runs set against every other runner's runs of the
// same distance, racecourse, surface, going and meeting period, summed into wins and losses per
// pair of runners, and the two scoring routines that turn them into points around 500.

#include <array>
#include <cstdint>
#include <functional>

#include "core/database/race_card.hpp"
#include "core/engine/meetings.hpp"
#include "core/engine/run_cache.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

inline constexpr int kSlots = kMaxRunners + 1;  // runner slots 1..18, index 0 unused

// [slot i][slot j]: points of runner i against runner j, one byte each, every row padded to
// three machine words so that the tallies work on eight entries at a time. No entry reaches 128,
// which the byte arithmetic relies on: a pass starts from at most 20 (two points per run, five
// runs on each side), the transitive step adds at most 32 to a pair it has not decided yet, the
// last loop at most 10.
inline constexpr int kRowBytes = 24;
using PairTable = std::array<std::array<std::uint8_t, kRowBytes>, kSlots>;
// [slot]: one value per runner.
using SlotValues = std::array<std::int32_t, kSlots>;

// Sums of a weight per slot over sets of slots, read four slots at a time from the sixteen sums
// of each group of four slots: in a full field most runners met most others, and five look-ups
// cost less than a visit to every runner of a set.
class SlotSums {
 public:
  explicit SlotSums(const SlotValues& weight);
  std::int32_t over(std::uint32_t set) const {
    std::int32_t sum = 0;
    for (int g = 0; g < kGroups; ++g) sum += sums_[g][set >> (4 * g) & 15u];
    return sum;
  }

 private:
  static constexpr int kGroups = (kSlots + 3) / 4;
  std::array<std::array<std::int32_t, 16>, kGroups> sums_;  // [group][its four slots' bits]
};

// The distances whose runs count for a race of distance d (0 = every distance). A distance the
// table does not list keeps the window of the pass before.
DistanceWindow distanceWindow(int d, DistanceWindow previous);

// [slot i]: bit sets over the other runners k of i's record against k in a pair of tables:
// ahead (W > L), behind (W < L) and level with entries (W == L > 0).
struct Standing {
  std::array<std::uint32_t, kSlots> ahead{}, behind{}, level{};
  bool operator==(const Standing&) const = default;
};
Standing standingOf(const PairTable& win, const PairTable& loss, int n);

// After a pass over the race distance the first set holds the good runs' record plus one point
// per meeting of any runs, the second set the good runs' record alone; after a pass over every
// distance it is the other way round.
struct Tallies {
  PairTable win{}, loss{};    // first set (W, L)
  PairTable win2{}, loss2{};  // second set (W2, L2)
  // [slot i]: bit set of the slots j whose pair with i counts as decided in the transitive step.
  std::array<std::uint32_t, kSlots> decided{};
  Standing record, record2;  // after a pass: the standings of the first and the second set
  SlotValues score{};     // [slot]: working points
  SlotValues rank{};      // [slot]: competition rank of score
  DistanceWindow window;  // kept between passes and between predictions
};

// Whether the comparison gives the last 600 m a vote: races from 1500 m, and 東京 1400 m.
bool last3FVotes(const TRaceCard& card);

// The two figures of a run that a meeting compares.
struct RunPace {
  std::int32_t time, last3F;
};

// +1 own run faster, -1 slower, 0 level; time and last 600 m vote separately.
inline int verdict(RunPace own, RunPace other, bool withLast3F) {
  int y = 0;
  // A time of 0000 was never entered: it neither beats nor loses to a timed run.
  if (own.time > 0 && other.time > 0) y += (own.time < other.time) - (own.time > other.time);
  if (withLast3F && own.last3F < 990 && other.last3F < 990) {
    y += (own.last3F < other.last3F) - (own.last3F > other.last3F);
  }
  return y;
}
inline int verdict(const CachedRun& own, const CachedRun& other, bool withLast3F) {
  return verdict(RunPace{own.time, own.last3F}, RunPace{other.time, other.last3F}, withLast3F);
}

// Run r of a runner takes part in a pass of distance d.
inline bool usableRun(const CachedRun& run, bool disregarded, int d, DistanceWindow window) {
  return (run.raceSurface || (d == 0 && run.present)) && window.min <= run.distance &&
         run.distance <= window.max && !disregarded;
}

// One comparison pass over distance d (the race distance, or 0 for every distance): tallies,
// transitive step, initial score and rank. `progress` is called once, after the good-run loop.
// `all` are the meetings of findAllMeetings for the same runs; the first form finds them itself.
void comparisonPass(Tallies& t, const RunCache& cache, const TRaceCard& card, int d,
                    const std::function<void()>& progress);
void comparisonPass(Tallies& t, const RunCache& cache, const Meetings& all, const TRaceCard& card,
                    int d, const std::function<void()>& progress);

// Competition ranks of score[1..n], highest first (1, 2, 2, 4).
void rankDescending(const SlotValues& score, SlotValues& rank, int n);
// Competition ranks of value[1..n], lowest first.
void rankAscending(const SlotValues& value, SlotValues& rank, int n);

// What beating, meeting level and losing to each runner weighs by the runners' ranks: beating a
// high-ranked runner weighs most, losing to a low-ranked one weighs most, a level meeting weighs
// by both runners' ranks.
class RankWeights {
 public:
  RankWeights(const SlotValues& rank, int n);
  // 500 + half the weighted wins - half the weighted losses of runner i, ahead of the runners of
  // `ahead`, level with those of `level` and behind those of `behind`, and one more point when
  // it came out ahead or had comparisons but came out level (so 500 means "never compared").
  std::int32_t points(int i, std::uint32_t ahead, std::uint32_t level, std::uint32_t behind) const;

 private:
  SlotValues rank_;
  SlotSums beat_, lost_;
  int n_;
};

// The points of every runner from its standing against the others; a level pair with entries
// counts only when `countLevel`.
void pairPoints(const Standing& s, const SlotValues& rank, int n, bool countLevel,
                SlotValues& points);

// Points from the plus and minus sums, with the extra point that sets compared runners off 500.
inline std::int32_t pointsOf(std::int32_t plus, std::int32_t minus) {
  std::int32_t points = kNoComparison + plus / 2 - minus / 2;
  if (points > kNoComparison || (points == kNoComparison && (plus > 0 || minus > 0))) ++points;
  return points;
}

}  // namespace korvane
