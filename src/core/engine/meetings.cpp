#include "core/engine/meetings.hpp"

#include <algorithm>

#include "core/engine/tallies.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr int kRunRefs = kMaxRunners * kRuns;
constexpr int kBuckets = 256;  // more than twice the runs of a full field

struct Groups {
  struct Ref {
    std::int8_t slot, run;
  };
  // The runs that take part, grouped by place and distance: group g is refs[start[g], start[g+1]).
  std::array<Ref, kRunRefs> refs;
  std::array<std::int16_t, kRunRefs + 1> start;
  std::array<std::int16_t, kRunRefs> groupOfRef;
  int count = 0;
};

int refOf(int slot, int run) {
  return (slot - 1) * kRuns + (run - 1);
}

// Sorts the runs that take part into groups of the same place and distance through a small
// open-addressed table, keeping slot and run order inside each group.
void group(Groups& g, const RunCache& cache, int n, const RunFlags& ownRuns,
           const RunFlags& otherRuns) {
  std::array<std::int16_t, kBuckets> bucket;
  bucket.fill(-1);
  // [group]: its place and distance, and its number of runs.
  std::array<std::uint64_t, kRunRefs> place;
  std::array<std::int32_t, kRunRefs> distance;
  std::array<std::int16_t, kRunRefs> size;
  g.count = 0;
  for (int k = 1; k <= n; ++k) {
    for (int r = 1; r <= kRuns; ++r) {
      const int ref = refOf(k, r);
      g.groupOfRef[ref] = -1;
      if (!ownRuns[k][r] && !otherRuns[k][r]) continue;
      const CachedRun& run = cache[k][r];
      std::uint64_t h =
          (run.place ^ (static_cast<std::uint64_t>(run.distance) * 0x9E3779B97F4A7C15ull));
      h ^= h >> 29;
      int b = static_cast<int>(h * 0xBF58476D1CE4E5B9ull >> 56);
      while (bucket[b] >= 0 &&
             (place[bucket[b]] != run.place || distance[bucket[b]] != run.distance)) {
        b = (b + 1) % kBuckets;
      }
      if (bucket[b] < 0) {
        bucket[b] = static_cast<std::int16_t>(g.count);
        place[g.count] = run.place;
        distance[g.count] = run.distance;
        size[g.count] = 0;
        ++g.count;
      }
      g.groupOfRef[ref] = bucket[b];
      ++size[bucket[b]];
    }
  }
  g.start[0] = 0;
  for (int i = 0; i < g.count; ++i) {
    g.start[i + 1] = static_cast<std::int16_t>(g.start[i] + size[i]);
  }
  std::array<std::int16_t, kRunRefs + 1> fill = g.start;
  for (int k = 1; k <= n; ++k) {
    for (int r = 1; r <= kRuns; ++r) {
      const int group = g.groupOfRef[refOf(k, r)];
      if (group >= 0) {
        g.refs[fill[group]++] = {static_cast<std::int8_t>(k), static_cast<std::int8_t>(r)};
      }
    }
  }
}

// Run `run` of `slot` met run `otherRun` of `otherSlot` with `verdict` (the sign counts).
void record(Meetings& out, int slot, int run, int otherSlot, int otherRun, int verdict) {
  out.of[slot][run].cell[Meetings::Met::cellOf(outcomeOf(verdict), otherRun)] |= 1u << otherSlot;
}

// A run of a group as the pair loop reads it: where its meetings go and where it stands in the
// others' run sets.
struct Member {
  Meetings::Met* met;
  std::uint32_t slotBit;
};

// The usual case where both sides are the same runs: each pair of runs is looked at once, since
// a meeting seen from the other run has the opposite verdict. Runs with a regular month are
// sorted by month inside their group, so that each looks only at the runs up to two months on;
// a pair with an irregular month asks both ways whether the runs met.
void findMeetingsBothWays(Meetings& out, const RunCache& cache, const Groups& g,
                          bool withLast3F) {
  auto runAt = [&](int x) -> const CachedRun& { return cache[g.refs[x].slot][g.refs[x].run]; };
  constexpr int kYears = 100 * 12;  // month indexes roll over between 99/12 and 00/01
  for (int id = 0; id < g.count; ++id) {
    // Regular runs as month index * 256 + place, so that sorting keeps group order in a month.
    std::array<std::int32_t, kRunRefs> byMonth;
    int regular = 0;
    for (int x = g.start[id]; x < g.start[id + 1]; ++x) {
      const CachedRun& a = runAt(x);
      const Groups::Ref ra = g.refs[x];
      if (a.monthIndex >= 0) {
        byMonth[regular++] = a.monthIndex * 256 + x;
        continue;
      }
      // An irregular month against every run of the group, each pair of two irregular runs once.
      for (int y = g.start[id]; y < g.start[id + 1]; ++y) {
        const CachedRun& b = runAt(y);
        const Groups::Ref rb = g.refs[y];
        if (y == x || (b.monthIndex < 0 && y < x) || ra.slot == rb.slot) continue;
        const bool aMetB = sameMeeting(a, b), bMetA = sameMeeting(b, a);
        if (!aMetB && !bMetA) continue;
        const int v = verdict(a, b, withLast3F);
        if (aMetB) record(out, ra.slot, ra.run, rb.slot, rb.run, v);
        if (bMetA) record(out, rb.slot, rb.run, ra.slot, ra.run, -v);
      }
    }
    if (regular < 2) continue;
    std::sort(byMonth.begin(), byMonth.begin() + regular);
    std::array<Member, kRunRefs> members;
    // [member]: its run number, times, and the cells a meeting with the run being looked at goes
    // into, on its own side and on the other.
    std::array<std::int32_t, kRunRefs> runs, times, last3Fs, ownCell, otherCell;
    for (int i = 0; i < regular; ++i) {
      const Groups::Ref ref = g.refs[byMonth[i] & 255];
      const CachedRun& run = cache[ref.slot][ref.run];
      members[i] = {&out.of[ref.slot][ref.run], 1u << ref.slot};
      runs[i] = ref.run;
      times[i] = run.time;
      last3Fs[i] = run.last3F;
    }
    int end = 0;  // the first run more than two months after run i: it only moves on
    for (int i = 0; i < regular; ++i) {
      const Member a = members[i];
      const RunPace own{times[i], last3Fs[i]};
      const int ownRun = runs[i];
      auto cellsWith = [&](int j) {
        const int outcome = outcomeOf(verdict(own, RunPace{times[j], last3Fs[j]}, withLast3F));
        ownCell[j] = Meetings::Met::cellOf(outcome, runs[j]);
        otherCell[j] = Meetings::Met::cellOf(kWon - outcome, ownRun);
      };
      auto meet = [&](int j) {
        const Member& b = members[j];
        if (b.slotBit == a.slotBit) return;  // two runs of one runner never meet
        a.met->cell[ownCell[j]] |= b.slotBit;
        b.met->cell[otherCell[j]] |= a.slotBit;
      };
      const int month = byMonth[i] >> 8;
      while (end < regular && (byMonth[end] >> 8) - month <= 2) ++end;
      // The outcomes first, in a loop of plain figures that the compiler takes four runs at a
      // time, then the meetings.
      for (int j = i + 1; j < end; ++j) cellsWith(j);
      for (int j = i + 1; j < end; ++j) meet(j);
      // Months 00/01 and 00/02 also meet the last months of 99.
      for (int j = regular - 1; j > i && (byMonth[j] >> 8) - month >= kYears - 2; --j) {
        cellsWith(j);
        meet(j);
      }
    }
  }
}

// The outcomes of every run against every run number, once the meetings are all in.
void foldEveryRun(Meetings& out, int n) {
  for (int k = 1; k <= n; ++k) {
    for (int r = 1; r <= kRuns; ++r) out.of[k][r].everyRun = opponentOutcomes(out, k, r, kEveryRun);
  }
}

}  // namespace

void findMeetings(Meetings& out, const RunCache& cache, int n, const RunFlags& ownRuns,
                  const RunFlags& otherRuns, bool withLast3F) {
  Groups g;
  group(g, cache, n, ownRuns, otherRuns);
  out.of.fill({});
  if (ownRuns == otherRuns) {
    findMeetingsBothWays(out, cache, g, withLast3F);
    foldEveryRun(out, n);
    return;
  }
  for (int i = 1; i <= n; ++i) {
    for (int r = 1; r <= kRuns; ++r) {
      if (!ownRuns[i][r]) continue;
      const CachedRun& own = cache[i][r];
      const int id = g.groupOfRef[refOf(i, r)];
      for (int x = g.start[id]; x < g.start[id + 1]; ++x) {
        const int k = g.refs[x].slot, s = g.refs[x].run;
        if (k == i || !otherRuns[k][s]) continue;
        const CachedRun& other = cache[k][s];
        if (sameMeeting(own, other)) record(out, i, r, k, s, verdict(own, other, withLast3F));
      }
    }
  }
  foldEveryRun(out, n);
}

void findAllMeetings(Meetings& out, const RunCache& cache, const TRaceCard& card) {
  const int n = std::clamp(card.runnerCount, 0, kMaxRunners);
  RunFlags runs{};
  for (int k = 1; k <= n; ++k) {
    for (int r = 1; r <= kRuns; ++r)
      runs[k][r] = usableRun(cache[k][r], card.disregard[k][r], 0, {1, 3600});
  }
  findMeetings(out, cache, n, runs, runs, last3FVotes(card));
}

bool insideAllMeetings(const TRaceCard& card, const DistanceWindow& window) {
  static const std::string none = sj("無");
  return card.surface != none && window.min >= 1 && window.max <= 3600;
}

}  // namespace korvane
