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

// A set of runs as one bit set of runner slots per run number: word r - 1 holds the slots whose
// run r is in the set, so the runners behind any set of runs are the five words or-ed together.
using RunSet = std::array<std::uint32_t, kRuns>;

inline constexpr RunSet kEveryRun{~0u, ~0u, ~0u, ~0u, ~0u};

// The outcome of a meeting seen from a run: beaten, level or ahead.
inline constexpr int kLost = 0, kLevel = 1, kWon = 2;

// The outcome of a verdict (its sign counts); the other run sees 2 - outcome.
inline int outcomeOf(int verdict) {
  return (verdict > 0) - (verdict < 0) + 1;
}

// What one run's meetings say about each opponent, as bit sets over runner slots: a defeat by
// the opponent outweighs a level meeting, and a level meeting outweighs any wins. Bit sets keep
// the loop over the meetings free of per-opponent counters; the order in which the opponents are
// then visited does not matter, because each one adds to its own cells or to a plain sum.
struct OpponentOutcomes {
  std::uint32_t lost = 0, level = 0, won = 0;
};

// What every run met, as run sets: the runs of other runners it lost to, was level with and beat,
// one set per outcome so that a meeting is recorded with a single write. Left unset until
// findMeetings fills every entry, so that a pass that needs no meetings of its own does not
// clear them.
struct Meetings {
  struct Met {
    // [(run - 1) * 4 + outcome]: the runner slots whose run met this one with that outcome
    // (kLost, kLevel, kWon; the fourth stays empty), one flat table so that a meeting goes in
    // with one computed index and the three outcomes of a run number are read as one.
    std::array<std::uint32_t, 4 * kRuns> cell;
    static constexpr int cellOf(int outcome, int run) { return (run - 1) * 4 + outcome; }
    // The outcomes against the opponents' runs of every run number, read by the loops that admit
    // them all.
    OpponentOutcomes everyRun;
  };
  std::array<std::array<Met, kRuns + 1>, kMaxRunners + 1> of;  // [slot][run]
};

// The outcomes of run `run` of slot `slot` against the opponents' runs in `admitted`.
inline OpponentOutcomes opponentOutcomes(const Meetings& meetings, int slot, int run,
                                         const RunSet& admitted) {
  const Meetings::Met& m = meetings.of[slot][run];
  std::array<std::uint32_t, 4> met{};  // [outcome]
  for (int s = 0; s < kRuns; ++s) {
    for (int o = 0; o < 4; ++o) met[o] |= m.cell[s * 4 + o] & admitted[s];
  }
  const std::uint32_t lost = met[kLost], level = met[kLevel], won = met[kWon];
  return {lost, level & ~lost, won & ~(lost | level)};
}

// The same against the runs of every run number.
inline OpponentOutcomes opponentOutcomes(const Meetings& meetings, int slot, int run) {
  return meetings.of[slot][run].everyRun;
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
