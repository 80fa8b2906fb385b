#include "engine/tallies.hpp"

#include <algorithm>

#include "text/sjis.hpp"

namespace korvane {

DistanceWindow distanceWindow(int d, DistanceWindow previous) {
  // Sprints meet sprints and milers; from 1800 m on, stayers' runs up to 3600 m all count.
  struct Row {
    int from, to;
    DistanceWindow window;
  };
  static constexpr std::array<Row, 8> rows{{{0, 0, {1, 3600}},
                                            {100, 1300, {800, 1600}},
                                            {1400, 1500, {800, 1800}},
                                            {1600, 1700, {1400, 2000}},
                                            {1800, 2100, {1400, 3600}},
                                            {2200, 2500, {1600, 3600}},
                                            {2600, 2900, {1800, 3600}},
                                            {3000, 3600, {2000, 3600}}}};
  for (const Row& row : rows) {
    if (d >= row.from && d <= row.to) return row.window;
  }
  return previous;
}

bool last3FVotes(const TRaceCard& card) {
  static const std::string tokyo = sj("東京");
  return card.distance >= 1500 || (card.course == tokyo && card.distance == 1400);
}

int verdict(const CachedRun& own, const CachedRun& other, bool withLast3F) {
  int y = 0;
  // A time of 0000 was never entered: it neither beats nor loses to a timed run.
  if (own.time > 0 && other.time > 0) y += (own.time < other.time) - (own.time > other.time);
  if (withLast3F && own.last3F < 990 && other.last3F < 990) {
    y += (own.last3F < other.last3F) - (own.last3F > other.last3F);
  }
  return y;
}

bool usableRun(const CachedRun& run, bool disregarded, int d, DistanceWindow window) {
  return (run.raceSurface || (d == 0 && run.present)) && window.min <= run.distance &&
         run.distance <= window.max && !disregarded;
}

void rankDescending(const SlotValues& score, SlotValues& rank, int n) {
  for (int i = 1; i <= n; ++i) {
    int higher = 0;
    for (int k = 1; k <= n; ++k) higher += score[k] > score[i];
    rank[i] = higher + 1;
  }
}

void rankAscending(const SlotValues& value, SlotValues& rank, int n) {
  for (int i = 1; i <= n; ++i) {
    int lower = 0;
    for (int k = 1; k <= n; ++k) lower += value[k] < value[i];
    rank[i] = lower + 1;
  }
}

std::int32_t pointsOf(std::int32_t plus, std::int32_t minus) {
  std::int32_t points = 500 + plus / 2 - minus / 2;
  if (points > 500 || (points == 500 && (plus > 0 || minus > 0))) ++points;
  return points;
}

void pairPoints(const PairTable& win, const PairTable& loss, const SlotValues& rank, int n,
                bool countLevel, SlotValues& points) {
  for (int i = 1; i <= n; ++i) {
    std::int32_t plus = 0, minus = 0;
    for (int k = 1; k <= n; ++k) {
      if (k == i) continue;
      if (win[i][k] > loss[i][k]) {
        plus += 2 * (n - rank[k] + 1);  // beating a high-ranked runner weighs most
      } else if (win[i][k] < loss[i][k]) {
        minus += 2 * rank[k];  // losing to a low-ranked runner weighs most
      } else if (countLevel && win[i][k] > 0) {
        plus += n - (rank[i] + rank[k]) / 2 + 1;
      }
    }
    points[i] = pointsOf(plus, minus);
  }
}

namespace {

struct Outcome {
  int wins = 0, losses = 0, draws = 0;
};

using RunFlags = std::array<std::array<bool, kRuns + 1>, kSlots>;

// Run r of runner i against every run of runner k that `counts` lets in.
Outcome meet(const RunCache& cache, int i, int r, int k, const RunFlags& counts, bool withLast3F) {
  Outcome o;
  const CachedRun& own = cache[i][r];
  for (int s = 1; s <= kRuns; ++s) {
    const CachedRun& other = cache[k][s];
    if (!counts[k][s] || other.distance != own.distance || !sameMeeting(own, other)) continue;
    const int y = verdict(own, other, withLast3F);
    if (y > 0) {
      ++o.wins;
    } else if (y < 0) {
      ++o.losses;
    } else {
      ++o.draws;
    }
  }
  return o;
}

// The head-to-head loop: every run of i that `ownRuns` lets in against the runs of every other
// runner that `otherRuns` lets in; one entry per run and opponent, a loss outweighing the rest.
void tally(PairTable& win, PairTable& loss, int points, const RunCache& cache, int n,
           const RunFlags& ownRuns, const RunFlags& otherRuns, bool withLast3F) {
  for (int i = 1; i <= n; ++i) {
    for (int r = 1; r <= kRuns; ++r) {
      if (!ownRuns[i][r]) continue;
      for (int k = 1; k <= n; ++k) {
        if (k == i) continue;
        const Outcome o = meet(cache, i, r, k, otherRuns, withLast3F);
        if (o.losses > 0) {
          loss[i][k] += points;
          win[k][i] += points;
        } else if (o.draws > 0) {
          win[i][k] += 1;
          loss[i][k] += 1;
        } else if (o.wins > 0) {
          win[i][k] += points;
          loss[k][i] += points;
        }
      }
    }
  }
}

// A pair decided on one side is carried over to the pairs that side has not met: whoever beat
// a runner that beat m is taken to beat m.
void transitiveStep(Tallies& t, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= n; ++k) {
      if (k == i || !t.decided[i][k]) continue;
      for (int m = 1; m <= n; ++m) {
        if (m == i || t.decided[i][m] || !t.decided[k][m]) continue;
        if (t.win[i][k] > t.loss[i][k] && t.win[k][m] > t.loss[k][m]) {
          ++t.win2[i][m];
          ++t.loss2[m][i];
        }
        if (t.win[i][k] < t.loss[i][k] && t.win[k][m] < t.loss[k][m]) {
          ++t.loss2[i][m];
          ++t.win2[m][i];
        }
      }
    }
  }
  t.win = t.win2;
  t.loss = t.loss2;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) t.decided[i][j] = t.win[i][j] + t.loss[i][j] > 0;
  }
}

}  // namespace

void comparisonPass(Tallies& t, const RunCache& cache, const TRaceCard& card, int d,
                    const std::function<void()>& progress) {
  const int n = std::clamp(card.runnerCount, 0, kMaxRunners);
  const bool withLast3F = last3FVotes(card);
  t.window = distanceWindow(d, t.window);

  // Which runs take part, and which count as good runs: on the own side a top-2 finish, or a
  // top-5 finish gained or held from the 4th corner; on the other side a top-5 finish must have
  // been a gain.
  RunFlags usable{}, goodOwn{}, goodOther{};
  for (int k = 1; k <= n; ++k) {
    for (int r = 1; r <= kRuns; ++r) {
      const CachedRun& run = cache[k][r];
      usable[k][r] = usableRun(run, card.disregard[k][r], d, t.window);
      const int p = run.finish, q = run.corner4;
      goodOwn[k][r] = usable[k][r] && (p < 3 || (p < 6 && q >= p));
      goodOther[k][r] = usable[k][r] && (p <= 2 || (p <= 5 && p < q));
    }
  }

  for (auto& row : t.win) row.fill(0);
  for (auto& row : t.loss) row.fill(0);
  tally(t.win, t.loss, 2, cache, n, goodOwn, goodOther, withLast3F);

  // A record closer than four points either way says nothing about who is better.
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      const int w = t.win[i][j], l = t.loss[i][j];
      if (w + l > 0 && w - l < 4 && l - w < 4) t.win[i][j] = t.loss[i][j] = 1;
    }
  }
  t.win2 = t.win;
  t.loss2 = t.loss;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) t.decided[i][j] = t.win[i][j] != t.loss[i][j];
  }
  transitiveStep(t, n);
  transitiveStep(t, n);
  if (progress) progress();

  tally(t.win2, t.loss2, 1, cache, n, usable, usable, withLast3F);
  if (d > 0) {
    std::swap(t.win, t.win2);
    std::swap(t.loss, t.loss2);
  }

  for (int i = 1; i <= n; ++i) {
    std::int32_t s = 0;
    for (int k = 1; k <= n; ++k) {
      if (k == i) continue;
      if (t.win2[i][k] > t.loss2[i][k]) {
        s += 4;
      } else if (t.win2[i][k] < t.loss2[i][k]) {
        s -= 4;
      } else if (t.win2[i][k] > 0) {
        s += 1;
      }
    }
    t.score[i] = s;
  }
  rankDescending(t.score, t.rank, n);
  pairPoints(t.win2, t.loss2, t.rank, n, card.distance <= 0, t.score);
  rankDescending(t.score, t.rank, n);
}

}  // namespace korvane
