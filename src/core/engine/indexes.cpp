#include "core/engine/indexes.hpp"

#include <algorithm>
#include <bit>
#include <utility>

#include "core/engine/meetings.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

int slotCount(const TRaceCard& card) {
  return std::clamp(card.runnerCount, 0, kMaxRunners);
}

std::int32_t shownRank(std::int32_t points, std::int32_t rank, int n) {
  return points <= kNoComparison ? n : rank;
}

void abilityPowerLoseP(const Tallies& t, const TRaceCard& card, TYosouResult& result,
                       SlotValues& abilityRanks) {
  const int n = slotCount(card);
  const Standing& record = t.record;
  SlotValues points{}, first{};
  pairPoints(record, t.rank, n, true, points);
  rankDescending(points, first, n);
  pairPoints(record, first, n, true, points);
  rankDescending(points, abilityRanks, n);
  for (int i = 1; i <= n; ++i) {
    RunnerResult& r = result.runner[i];
    r.ability = points[i];
    r.abilityRank = shownRank(points[i], abilityRanks[i], n);
  }

  // 底力 trusts only what the good runs proved: a level record earns nothing.
  SlotValues power{}, powerRanks{};
  pairPoints(t.record2, abilityRanks, n, false, power);
  rankDescending(power, powerRanks, n);
  for (int i = 1; i <= n; ++i) {
    RunnerResult& r = result.runner[i];
    r.power = power[i];
    r.powerRank = shownRank(power[i], powerRanks[i], n);
  }

  // 負Ｐ: defeats by runners ranked low weigh least, by runners ranked high most.
  SlotValues loseP{}, losePRanks{};
  for (int i = 1; i <= n; ++i) {
    std::int32_t value = 0;
    for (std::uint32_t ks = record.behind[i]; ks != 0; ks &= ks - 1) {
      value += 2 * abilityRanks[std::countr_zero(ks)];
    }
    for (std::uint32_t ks = record.level[i]; ks != 0; ks &= ks - 1) {
      value += (abilityRanks[std::countr_zero(ks)] + abilityRanks[i]) / 2;
    }
    if (value == 0 && result.runner[i].ability == kNoComparison) value = 9999;
    loseP[i] = value;
  }
  rankAscending(loseP, losePRanks, n);
  for (int i = 1; i <= n; ++i) {
    RunnerResult& r = result.runner[i];
    r.loseP = loseP[i];
    r.losePRank = loseP[i] == 9999 ? n : losePRanks[i];
    r.losePZero = (loseP[i] == 0 || loseP[i] == 9999) && card.runner[i] != 0;
  }
}

void allDistanceFromPass(Tallies& t, const TRaceCard& card, TYosouResult& result) {
  const int n = slotCount(card);
  pairPoints(t.record2, t.rank, n, true, t.score);
  rankDescending(t.score, t.rank, n);
  for (int i = 1; i <= n; ++i) {
    RunnerResult& r = result.runner[i];
    r.allDistance = t.score[i];
    r.allDistanceRank = shownRank(t.score[i], t.rank[i], n);
  }
}

void runScores(const RunCache& cache, const Meetings& all, const TRaceCard& card,
               DistanceWindow window, const SlotValues& abilityRanks, TYosouResult& result,
               const std::function<void(int)>& afterRun) {
  const int n = slotCount(card);
  RunFlags usable{};
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= kRuns; ++j) {
      usable[i][j] = usableRun(cache[i][j], card.disregard[i][j], card.distance, window);
    }
  }
  // Another runner's run counts when it is inside the window and not disregarded; meeting on the
  // same key and distance then makes it a run of the same surface. The meetings over all
  // distances hold them all, unless the window reaches outside them.
  Meetings own;
  const Meetings* meetings = &all;
  if (card.distance != 0 && !insideAllMeetings(card, window)) {
    RunFlags inWindow{};
    for (int k = 1; k <= n; ++k) {
      for (int s = 1; s <= kRuns; ++s) {
        const std::int32_t d = cache[k][s].distance;
        inWindow[k][s] = !card.disregard[k][s] && window.min <= d && d <= window.max;
      }
    }
    findMeetings(own, cache, n, usable, inWindow, last3FVotes(card));
    meetings = &own;
  }

  const RankWeights weights(abilityRanks, n);
  SlotValues best{};
  for (int j = 1; j <= kRuns; ++j) {
    for (int i = 1; i <= n; ++i) {
      std::int32_t score = kNoComparison;
      if (usable[i][j]) {
        const OpponentOutcomes o = opponentOutcomes(*meetings, i, j);
        score = weights.points(i, o.won, o.level, o.lost);
      }
      result.runner[i].runScore[j] = score;
      if (score > best[i] && score != kNoComparison) best[i] = score;
    }
    if (afterRun) afterRun(j);
  }

  SlotValues lastRun{}, ranks{};
  for (int i = 1; i <= n; ++i) {
    if (best[i] == 0) best[i] = kNoComparison;
    const auto& scores = result.runner[i].runScore;
    lastRun[i] = scores[1];
    for (int j = 2; j <= kRuns && lastRun[i] == kNoComparison; ++j) lastRun[i] = scores[j];
  }
  rankDescending(best, ranks, n);
  for (int i = 1; i <= n; ++i) {
    result.runner[i].best = best[i];
    // Only a ベスト of exactly 500 (no scored run) is put last; a weak score keeps its place.
    result.runner[i].bestRank = best[i] == kNoComparison ? n : ranks[i];
  }
  rankDescending(lastRun, ranks, n);
  for (int i = 1; i <= n; ++i) {
    result.runner[i].lastRun = lastRun[i];
    result.runner[i].lastRunRank = shownRank(lastRun[i], ranks[i], n);
  }
}

void formGrades(const RunCache& cache, const TRaceCard& card, DistanceWindow window,
                TYosouResult& result) {
  const int n = slotCount(card);
  for (int i = 1; i <= n; ++i) {
    int grade = 2;
    int bad = 0;
    for (int r = 1; r <= kRuns && bad < 2; ++r) {
      const CachedRun& run = cache[i][r];
      if (!usableRun(run, card.disregard[i][r], card.distance, window)) continue;
      const int p = run.finish, c = run.corner4;
      if (p <= 5 || p < c) {
        // Gaining places in the straight is a good sign even outside the first five.
        if (grade == 2 && p > 5) grade = 1;
        break;
      }
      grade = ++bad == 1 ? 1 : 0;
    }
    for (int r = 1; r <= kRuns; ++r) {
      const int p = cache[i][r].finish;
      if (p >= 99) continue;
      if (p <= 5) grade = 2;
      if (p == 1) grade = 3;
      break;
    }
    result.runner[i].form = grade;
    if (grade == 0) result.runner[i].losePZero = false;
  }
}

void korvaneIndex(const TRaceCard& card, TYosouResult& result) {
  const int n = slotCount(card);
  SlotValues value{}, ranks{};
  for (int i = 1; i <= n; ++i) {
    const RunnerResult& r = result.runner[i];
    if (card.runner[i] == 0) {
      value[i] = 0;
    } else if (r.ability == kNoComparison && r.power == kNoComparison) {
      value[i] = kNoComparison;
    } else {
      value[i] = (r.ability + r.power + 1) / 2;
    }
  }
  rankDescending(value, ranks, n);
  for (int i = 1; i <= n; ++i) {
    result.runner[i].korvane = value[i];
    result.runner[i].korvaneRank = ranks[i];
  }
}

}  // namespace korvane
