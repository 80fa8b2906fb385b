#include "core/engine/tallies.hpp"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>
#include <utility>

#include "core/engine/meetings.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/byte_masks.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

DistanceWindow distanceWindow(int d, DistanceWindow previous) {
  // Sprints meet sprints and milers; from 1800 m on, stayers' runs up to 3600 m all count.
  struct Row {
    int from, to;
    DistanceWindow window;
  };
  // 1800-1900 m and 2000-2100 m share a window but are two rows: a 1950 m race, like 1750 m,
  // keeps the window of the race before.
  static constexpr std::array<Row, 9> rows{{{0, 0, {1, 3600}},
                                            {100, 1300, {800, 1600}},
                                            {1400, 1500, {800, 1800}},
                                            {1600, 1700, {1400, 2000}},
                                            {1800, 1900, {1400, 3600}},
                                            {2000, 2100, {1400, 3600}},
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

namespace {

// The field's values in slots 1..18 and two more places, the empty ones holding `empty`: the
// loops below then run over a length the compiler sees, a multiple of four, which lets it take
// four slots at a time without a remainder.
constexpr int kPadded = 20;
std::array<std::int32_t, kPadded> padded(const SlotValues& values, int n, std::int32_t empty) {
  std::array<std::int32_t, kPadded> out;
  for (int k = 1; k <= kPadded; ++k) out[k - 1] = k <= n ? values[k] : empty;
  return out;
}

// Competition ranks of value[1..n]: one more than the number of runners whose value comes
// `before`; an empty slot holds `empty`, which comes before nobody.
template <typename Before>
void rankBy(const SlotValues& value, SlotValues& rank, int n, std::int32_t empty, Before before) {
  const auto values = padded(value, n, empty);
  // Every runner's count at once, one rival at a time.
  std::array<std::int32_t, kPadded> ahead{};
  for (int k = 0; k < kMaxRunners; ++k) {
    for (int i = 0; i < kPadded; ++i) ahead[i] += before(values[k], values[i]);
  }
  for (int i = 1; i <= n; ++i) rank[i] = ahead[i - 1] + 1;
}

}  // namespace

void rankDescending(const SlotValues& score, SlotValues& rank, int n) {
  rankBy(score, rank, n, std::numeric_limits<std::int32_t>::min(), std::greater<>());
}

void rankAscending(const SlotValues& value, SlotValues& rank, int n) {
  rankBy(value, rank, n, std::numeric_limits<std::int32_t>::max(), std::less<>());
}

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ull, kLowBits = 0x0101010101010101ull;

// Entries 8w..8w+7 of a row as one number, entry j in bits 8j..8j+7.
std::uint64_t eightEntries(const std::array<std::uint8_t, kRowBytes>& row, int w) {
  std::uint64_t v = 0;
  for (int j = 0; j < 8; ++j) v |= std::uint64_t{row[8 * w + j]} << (8 * j);
  return v;
}

// The high bit of every entry of a that is greater than the one of b. No entry reaches 128, so
// no entry borrows from the next.
std::uint64_t greater(std::uint64_t a, std::uint64_t b) {
  return ((a | kHighBits) - (b + kLowBits)) & kHighBits;
}

}  // namespace

Standing standingOf(const PairTable& win, const PairTable& loss, int n) {
  // The rows are read whole, eight entries at a time, the empty slots and the runner itself
  // masked off afterwards.
  const std::uint32_t field = ((2u << n) - 1) & ~1u;
  Standing s;
  for (int i = 1; i <= n; ++i) {
    std::uint32_t ahead = 0, behind = 0, level = 0;
    for (int w = 0; w < kRowBytes / 8; ++w) {
      const std::uint64_t wins = eightEntries(win[i], w), losses = eightEntries(loss[i], w);
      const std::uint64_t more = greater(wins, losses), fewer = greater(losses, wins);
      const std::uint64_t even = ~(more | fewer) & greater(wins, 0);
      ahead |= topBitsOfWord(more) << (8 * w);
      behind |= topBitsOfWord(fewer) << (8 * w);
      level |= topBitsOfWord(even) << (8 * w);
    }
    const std::uint32_t others = field & ~(1u << i);
    s.ahead[i] = ahead & others;
    s.behind[i] = behind & others;
    s.level[i] = level & others;
  }
  return s;
}

SlotSums::SlotSums(const SlotValues& weight) {
  for (int g = 0; g < kGroups; ++g) {
    sums_[g][0] = 0;
    for (unsigned bits = 1; bits < 16; ++bits) {
      const int k = 4 * g + std::countr_zero(bits);
      sums_[g][bits] = sums_[g][bits & (bits - 1)] + (k < kSlots ? weight[k] : 0);
    }
  }
}

namespace {

SlotValues weightsBy(const SlotValues& rank, int n, bool beating) {
  SlotValues weight{};
  for (int k = 1; k <= n; ++k) weight[k] = beating ? 2 * (n - rank[k] + 1) : 2 * rank[k];
  return weight;
}

}  // namespace

RankWeights::RankWeights(const SlotValues& rank, int n)
    : rank_(rank), beat_(weightsBy(rank, n, true)), lost_(weightsBy(rank, n, false)), n_(n) {}

std::int32_t RankWeights::points(int i, std::uint32_t ahead, std::uint32_t level,
                                 std::uint32_t behind) const {
  std::int32_t plus = beat_.over(ahead);
  // Level meetings are few: their runners are visited one by one.
  for (std::uint32_t ks = level; ks != 0; ks &= ks - 1) {
    plus += n_ - (rank_[i] + rank_[std::countr_zero(ks)]) / 2 + 1;
  }
  return pointsOf(plus, lost_.over(behind));
}

void pairPoints(const Standing& s, const SlotValues& rank, int n, bool countLevel,
                SlotValues& points) {
  const RankWeights weights(rank, n);
  for (int i = 1; i <= n; ++i) {
    points[i] = weights.points(i, s.ahead[i], countLevel ? s.level[i] : 0u, s.behind[i]);
  }
}

namespace {

// The number of runners in a set. std::popcount is a library call on the plain x86-64 the
// package is built for; this is a dozen instructions inline.
std::int32_t bitCount(std::uint32_t x) {
  x -= x >> 1 & 0x55555555u;
  x = (x & 0x33333333u) + (x >> 2 & 0x33333333u);
  return static_cast<std::int32_t>(((x + (x >> 4)) & 0x0F0F0F0Fu) * 0x01010101u >> 24);
}

// A row of a pair table as three words of eight entries. No entry overflows, so adding word by
// word adds entry by entry, whatever the machine's byte order.
using RowWords = std::array<std::uint64_t, kRowBytes / 8>;
using Row = std::array<std::uint8_t, kRowBytes>;

// Runs counted per opponent slot, one byte per slot, so that adding the opponents of one run is
// three table look-ups and adds instead of a visit to every opponent.
struct OpponentCounts {
  RowWords words{};

  void add(std::uint32_t slots) {
    for (std::size_t w = 0; w < words.size(); ++w) words[w] += kSpread[slots >> (8 * w) & 255u];
  }

  // The eight bits of a byte as eight entries of 0 or 1.
  static constexpr std::array<std::uint64_t, 256> kSpread = [] {
    std::array<std::uint64_t, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
      std::array<std::uint8_t, 8> entries{};
      for (unsigned k = 0; k < 8; ++k) entries[k] = static_cast<std::uint8_t>(b >> k & 1u);
      table[b] = std::bit_cast<std::uint64_t>(entries);
    }
    return table;
  }();
};

// row += points * counts + level, entry by entry.
void addCounts(Row& row, int points, const RowWords& counts, const RowWords& level) {
  RowWords words = std::bit_cast<RowWords>(row);
  for (std::size_t w = 0; w < words.size(); ++w) {
    words[w] += static_cast<std::uint64_t>(points) * counts[w] + level[w];
  }
  row = std::bit_cast<Row>(words);
}

// The entries of counts times points.
Row timesPoints(RowWords counts, int points) {
  for (std::uint64_t& w : counts) w *= static_cast<std::uint64_t>(points);
  return std::bit_cast<Row>(counts);
}

// The head-to-head loop: every run of i that `ownRuns` lets in against the runs it met of every
// other runner in `admitted`; one entry per run and opponent, a loss outweighing the rest. A
// defeat of i by k is also a win of k over i, and a win of i a defeat of k.
void tally(PairTable& win, PairTable& loss, int points, const Meetings& meetings, int n,
           const RunFlags& ownRuns, const RunSet& admitted) {
  // [slot i][slot k]: the points of i's runs that lost to k, that beat k.
  PairTable lost, won;
  const bool everyRun = admitted == kEveryRun;
  for (int i = 1; i <= n; ++i) {
    OpponentCounts l, v, w;
    for (int r = 1; r <= kRuns; ++r) {
      if (!ownRuns[i][r]) continue;
      const OpponentOutcomes o = everyRun ? opponentOutcomes(meetings, i, r)
                                          : opponentOutcomes(meetings, i, r, admitted);
      l.add(o.lost);
      if (o.level != 0) v.add(o.level);  // level meetings are few
      w.add(o.won);
    }
    addCounts(loss[i], points, l.words, v.words);
    addCounts(win[i], points, w.words, v.words);
    lost[i] = timesPoints(l.words, points);
    won[i] = timesPoints(w.words, points);
  }
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= n; ++k) {
      win[i][k] += lost[k][i];
      loss[i][k] += won[k][i];
    }
  }
}

// Pair (i, k) of a standing set again from its record.
void standPair(Standing& s, int i, int k, std::int32_t w, std::int32_t l) {
  const std::uint32_t bit = 1u << k, keep = ~bit;
  s.ahead[i] = (s.ahead[i] & keep) | (w > l ? bit : 0u);
  s.behind[i] = (s.behind[i] & keep) | (w < l ? bit : 0u);
  s.level[i] = (s.level[i] & keep) | (w == l && w > 0 ? bit : 0u);
}

// A pair decided on one side is carried over to the pairs that side has not met: whoever beat
// a runner that beat m is taken to beat m. `s` is the standing of win and loss, which equal win2
// and loss2 on entry; afterwards it is the standing of the new tables, where every pair with
// entries counts as decided.
void transitiveStep(Tallies& t, Standing& s, int n) {
  std::array<std::uint32_t, kSlots> touched{};  // [slot i]: the pairs (i, m) the step adds to
  const std::uint32_t field = ((2u << n) - 1) & ~1u;
  for (int i = 1; i <= n; ++i) {
    const std::uint32_t decided = t.decided[i] & ~(1u << i);
    // In a field where most pairs met, most runners have no open pair left.
    const std::uint32_t open = field & ~decided & ~(1u << i);
    if (open == 0) continue;
    // i beat k and k beat m: i is taken to beat m; i lost to k and k lost to m: i to lose to m.
    // `side` is ahead or behind; i's entry goes to `own`, m's mirror entry to `mirror`.
    const auto carryOver = [&](const std::array<std::uint32_t, kSlots>& side, PairTable& own, PairTable& mirror) {
      for (std::uint32_t ks = decided & side[i]; ks != 0; ks &= ks - 1) {
        const int k = std::countr_zero(ks);
        for (std::uint32_t ms = open & t.decided[k] & side[k]; ms != 0; ms &= ms - 1) {
          const int m = std::countr_zero(ms);
          ++own[i][m];
          ++mirror[m][i];
          touched[i] |= 1u << m;
          touched[m] |= 1u << i;
        }
      }
    };
    carryOver(s.ahead, t.win2, t.loss2);
    carryOver(s.behind, t.loss2, t.win2);
  }
  t.win = t.win2;
  t.loss = t.loss2;
  for (int i = 1; i <= n; ++i) {
    for (std::uint32_t ks = touched[i]; ks != 0; ks &= ks - 1) {
      const int k = std::countr_zero(ks);
      standPair(s, i, k, t.win[i][k], t.loss[i][k]);
    }
    t.decided[i] = s.ahead[i] | s.behind[i] | s.level[i];
  }
}

}  // namespace

void comparisonPass(Tallies& t, const RunCache& cache, const TRaceCard& card, int d,
                    const std::function<void()>& progress) {
  Meetings all;
  findAllMeetings(all, cache, card);
  comparisonPass(t, cache, all, card, d, progress);
}

void comparisonPass(Tallies& t, const RunCache& cache, const Meetings& all, const TRaceCard& card,
                    int d, const std::function<void()>& progress) {
  const int n = std::clamp(card.runnerCount, 0, kMaxRunners);
  const bool withLast3F = last3FVotes(card);
  t.window = distanceWindow(d, t.window);

  // Which runs take part, and which count as good runs: on the own side a top-2 finish, or a
  // top-5 finish gained or held from the 4th corner; on the other side a top-5 finish must have
  // been a gain.
  RunFlags usable{}, goodOwn{};
  RunSet usableSet{}, goodOther{};
  for (int k = 1; k <= n; ++k) {
    for (int r = 1; r <= kRuns; ++r) {
      const CachedRun& run = cache[k][r];
      const bool u = usableRun(run, card.disregard[k][r], d, t.window);
      const int p = run.finish, q = run.corner4;
      usable[k][r] = u;
      goodOwn[k][r] = u && (p < 3 || (p < 6 && q >= p));
      usableSet[r - 1] |= u ? 1u << k : 0u;
      goodOther[r - 1] |= u && (p <= 2 || (p <= 5 && p < q)) ? 1u << k : 0u;
    }
  }

  // The meetings over all distances hold every meeting of this pass, unless the window reaches
  // outside them (only a race card without a surface or a distance ever gives that).
  Meetings own;
  const Meetings* meetings = &all;
  if (d != 0 && !insideAllMeetings(card, t.window)) {
    findMeetings(own, cache, n, usable, usable, withLast3F);
    meetings = &own;
  }

  for (auto& row : t.win) row.fill(0);
  for (auto& row : t.loss) row.fill(0);
  tally(t.win, t.loss, 2, *meetings, n, goodOwn, goodOther);

  // A record closer than four points either way says nothing about who is better; the others
  // are the pairs the transitive step starts from.
  // Whole rows, the empty slots holding no entries, in byte arithmetic so that the compiler takes
  // a row at a time: w - l + 3 wraps round to 7 or more unless the two are less than four apart.
  for (int i = 1; i <= n; ++i) {
    for (int j = 0; j < kRowBytes; ++j) {
      const std::uint8_t w = t.win[i][j], l = t.loss[i][j];
      const std::uint8_t close = -(((w | l) != 0) & (static_cast<std::uint8_t>(w - l + 3) < 7));
      t.win[i][j] = (w & ~close) | (1 & close);
      t.loss[i][j] = (l & ~close) | (1 & close);
    }
  }
  Standing transitive = standingOf(t.win, t.loss, n);
  t.decided.fill(0);
  for (int i = 1; i <= n; ++i) t.decided[i] = transitive.ahead[i] | transitive.behind[i];
  t.win2 = t.win;
  t.loss2 = t.loss;
  transitiveStep(t, transitive, n);
  transitiveStep(t, transitive, n);
  if (progress) progress();

  // Over every distance the usable runs are exactly the runs the meetings were found among.
  tally(t.win2, t.loss2, 1, *meetings, n, usable, d == 0 ? kEveryRun : usableSet);
  const Standing everyMeeting = standingOf(t.win2, t.loss2, n);
  if (d > 0) {
    std::swap(t.win, t.win2);
    std::swap(t.loss, t.loss2);
    t.record = everyMeeting;
    t.record2 = transitive;
  } else {
    t.record = transitive;
    t.record2 = everyMeeting;
  }

  // Four points for every runner beaten, four off for every defeat, one for a level record.
  const Standing& s = t.record2;
  for (int i = 1; i <= n; ++i) {
    t.score[i] = 4 * bitCount(s.ahead[i]) - 4 * bitCount(s.behind[i]) + bitCount(s.level[i]);
  }
  rankDescending(t.score, t.rank, n);
  pairPoints(s, t.rank, n, card.distance <= 0, t.score);
  rankDescending(t.score, t.rank, n);
}

}  // namespace korvane
