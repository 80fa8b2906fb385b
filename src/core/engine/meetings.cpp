#include "engine/meetings.hpp"

#include <algorithm>

#include "engine/tallies.hpp"
#include "text/sjis.hpp"

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

}  // namespace

void findMeetings(Meetings& out, const RunCache& cache, int n, const RunFlags& ownRuns,
                  const RunFlags& otherRuns, bool withLast3F) {
  Groups g;
  group(g, cache, n, ownRuns, otherRuns);
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
