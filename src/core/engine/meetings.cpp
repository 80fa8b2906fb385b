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
  std::array<std::int16_t, kRunRefs> firstRef{}, size{};
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
      while (bucket[b] >= 0) {
        const CachedRun& first =
            cache[firstRef[bucket[b]] / kRuns + 1][firstRef[bucket[b]] % kRuns + 1];
        if (first.place == run.place && first.distance == run.distance) break;
        b = (b + 1) % kBuckets;
      }
      if (bucket[b] < 0) {
        bucket[b] = static_cast<std::int16_t>(g.count);
        firstRef[g.count] = static_cast<std::int16_t>(ref);
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
  for (int ref = 0; ref < n * kRuns; ++ref) {
    if (g.groupOfRef[ref] >= 0) {
      g.refs[fill[g.groupOfRef[ref]]++] = {static_cast<std::int8_t>(ref / kRuns + 1),
                                           static_cast<std::int8_t>(ref % kRuns + 1)};
    }
  }
}

// The usual case where both sides are the same runs: each pair of runs is looked at once, since
// a meeting seen from the other run has the opposite verdict. Runs with a regular month are
// sorted by month inside their group, so that each looks only at the runs up to two months on;
// a pair with an irregular month asks both ways whether the runs met. The meetings of a run come
// out in another order than the one-sided loop's, which nobody reads: they are read as sets.
void findMeetingsBothWays(Meetings& out, const RunCache& cache, const Groups& g, int n,
                          const RunFlags& runs, bool withLast3F) {
  struct Pair {
    std::int16_t a, b;  // places in the groups
    bool aMetB, bMetA;
  };
  static constexpr int kMaxPairs = kRunRefs * (kRunRefs - 1) / 2;
  std::array<Pair, kMaxPairs> pairs;
  int count = 0;
  auto runAt = [&](int x) -> const CachedRun& { return cache[g.refs[x].slot][g.refs[x].run]; };
  auto add = [&](int x, int y, bool xMetY, bool yMetX) {
    if (g.refs[x].slot == g.refs[y].slot || !(xMetY || yMetX)) return;
    pairs[count++] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), xMetY, yMetX};
  };
  constexpr int kYears = 100 * 12;  // month indexes roll over between 99/12 and 00/01
  for (int id = 0; id < g.count; ++id) {
    // Regular runs as month index * 256 + place, so that sorting keeps group order in a month.
    std::array<std::int32_t, kRunRefs> byMonth;
    int regular = 0;
    for (int x = g.start[id]; x < g.start[id + 1]; ++x) {
      const CachedRun& a = runAt(x);
      if (a.monthIndex >= 0) {
        byMonth[regular++] = a.monthIndex * 256 + x;
        continue;
      }
      // An irregular month against every run of the group, each pair of two irregular runs once.
      for (int y = g.start[id]; y < g.start[id + 1]; ++y) {
        const CachedRun& b = runAt(y);
        if (y == x || (b.monthIndex < 0 && y < x)) continue;
        add(x, y, sameMeeting(a, b), sameMeeting(b, a));
      }
    }
    std::sort(byMonth.begin(), byMonth.begin() + regular);
    for (int i = 0; i < regular; ++i) {
      const int month = byMonth[i] >> 8;
      for (int j = i + 1; j < regular && (byMonth[j] >> 8) - month <= 2; ++j) {
        add(byMonth[i] & 255, byMonth[j] & 255, true, true);
      }
      // Months 00/01 and 00/02 also meet the last months of 99.
      for (int j = regular - 1; j > i && (byMonth[j] >> 8) - month >= kYears - 2; --j) {
        add(byMonth[i] & 255, byMonth[j] & 255, true, true);
      }
    }
  }

  std::array<std::int16_t, kRunRefs> found{}, next{};  // by place in the groups
  for (int p = 0; p < count; ++p) {
    found[pairs[p].a] += pairs[p].aMetB;
    found[pairs[p].b] += pairs[p].bMetA;
  }
  std::array<std::int16_t, kRunRefs> placeOfRef;
  for (int x = 0; x < g.start[g.count]; ++x) placeOfRef[refOf(g.refs[x].slot, g.refs[x].run)] = x;
  int begin = 0;
  for (auto& slot : out.of) slot.fill({});
  for (int i = 1; i <= n; ++i) {
    for (int r = 1; r <= kRuns; ++r) {
      if (!runs[i][r]) continue;
      const int x = placeOfRef[refOf(i, r)];
      next[x] = static_cast<std::int16_t>(begin);
      out.of[i][r] = {static_cast<std::int16_t>(begin),
                      static_cast<std::int16_t>(begin + found[x])};
      begin += found[x];
    }
  }
  for (int p = 0; p < count; ++p) {
    const Pair& pair = pairs[p];
    const Groups::Ref a = g.refs[pair.a], b = g.refs[pair.b];
    const std::int8_t v =
        static_cast<std::int8_t>(verdict(runAt(pair.a), runAt(pair.b), withLast3F));
    if (pair.aMetB) out.met[next[pair.a]++] = {b.slot, b.run, v};
    if (pair.bMetA) out.met[next[pair.b]++] = {a.slot, a.run, static_cast<std::int8_t>(-v)};
  }
}

}  // namespace

void findMeetings(Meetings& out, const RunCache& cache, int n, const RunFlags& ownRuns,
                  const RunFlags& otherRuns, bool withLast3F) {
  Groups g;
  group(g, cache, n, ownRuns, otherRuns);
  if (ownRuns == otherRuns) {
    findMeetingsBothWays(out, cache, g, n, ownRuns, withLast3F);
    return;
  }
  int count = 0;
  for (auto& slot : out.of) slot.fill({});
  for (int i = 1; i <= n; ++i) {
    for (int r = 1; r <= kRuns; ++r) {
      if (!ownRuns[i][r]) continue;
      const CachedRun& own = cache[i][r];
      const int id = g.groupOfRef[refOf(i, r)];
      const int begin = count;
      for (int x = g.start[id]; x < g.start[id + 1]; ++x) {
        const int k = g.refs[x].slot, s = g.refs[x].run;
        if (k == i || !otherRuns[k][s]) continue;
        const CachedRun& other = cache[k][s];
        if (!sameMeeting(own, other)) continue;
        out.met[count++] = {static_cast<std::int8_t>(k), static_cast<std::int8_t>(s),
                            static_cast<std::int8_t>(verdict(own, other, withLast3F))};
      }
      out.of[i][r] = {static_cast<std::int16_t>(begin), static_cast<std::int16_t>(count)};
    }
  }
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
