#pragma once
// Which past runs met: for every run of a runner, the other runners' runs over the same distance
// at the same racecourse, surface and going within two months, with the verdict of each meeting.
// Found once per pass, then read by the tally loops and the run scores.

#include <array>
#include <cstdint>

#include "core/engine/run_cache.hpp"

namespace korvane {

// [slot 1..18][run 1..5]: whether a run takes part.
using RunFlags = std::array<std::array<bool, kRuns + 1>, kMaxRunners + 1>;

struct Meetings {
  struct Met {
    std::int8_t slot, run;  // the other runner's run
    std::int8_t verdict;    // +1 own run won, -1 lost, 0 level
  };
  struct Range {
    std::int16_t begin = 0, end = 0;  // met[begin, end)
  };
  std::array<Met, kMaxRunners * kRuns*(kMaxRunners - 1) * kRuns> met;
  std::array<std::array<Range, kRuns + 1>, kMaxRunners + 1> of{};  // [slot][run]
};

// What one run's meetings say about each opponent, as bit sets over runner slots: a defeat by
// the opponent outweighs a level meeting, and a level meeting outweighs any wins. Bit sets keep
// the loop over the meetings free of per-opponent counters; the order in which the opponents are
// then visited does not matter, because each one adds to its own cells or to a plain sum.
struct OpponentOutcomes {
  std::uint32_t lost = 0, level = 0, won = 0;
};

// The outcomes of run `run` of slot `slot` against the meetings that `admit(met)` lets in.
template <class Admit>
OpponentOutcomes opponentOutcomes(const Meetings& meetings, int slot, int run, Admit admit) {
  std::uint32_t seen = 0, lost = 0, level = 0;
  const Meetings::Range range = meetings.of[slot][run];
  for (int m = range.begin; m < range.end; ++m) {
    const Meetings::Met& other = meetings.met[m];
    if (!admit(other)) continue;
    const std::uint32_t bit = 1u << other.slot;
    seen |= bit;
    lost |= other.verdict < 0 ? bit : 0u;
    level |= other.verdict == 0 ? bit : 0u;
  }
  return {lost, level & ~lost, seen & ~(lost | level)};
}

// For every run of `ownRuns`, the runs of `otherRuns` of other runners that it met.
void findMeetings(Meetings& out, const RunCache& cache, int n, const RunFlags& ownRuns,
                  const RunFlags& otherRuns, bool withLast3F);

// The meetings of every run that is not disregarded, over every distance and surface: the pass
// over all distances uses them whole, the race-distance pass and the run scores pick theirs out.
void findAllMeetings(Meetings& out, const RunCache& cache, const TRaceCard& card);

// Whether every run of the race's surface inside `window` is among the runs of findAllMeetings.
bool insideAllMeetings(const TRaceCard& card, const DistanceWindow& window);

}  // namespace korvane
