#pragma once
// The runner indexes derived from the tallies and the past runs: 能力, 底力, 負Ｐ, 全距離, the five
// run scores with ベスト and 前走, the 近走 grade and the コルバン指数. Each step reads what the
// steps before it left; prediction_run.cpp calls them in order.

#include <functional>

#include "core/database/race_card.hpp"
#include "core/engine/run_cache.hpp"
#include "core/engine/tallies.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

// Runner slots of the card, at most 18.
int slotCount(const TRaceCard& card);

// The rank shown for an index: a runner at 500 or below (no better than "never compared") stands
// last.
std::int32_t shownRank(std::int32_t points, std::int32_t rank, int n);

// 能力 (twice, each time on the ranks of the computation before), 底力 on the good-run tallies
// and 負Ｐ, from the race-distance pass. Leaves in `abilityRanks` the ranks of the second 能力
// computation before runners at 500 or below were put last.
void abilityPowerLoseP(const Tallies& t, const TRaceCard& card, TYosouResult& result,
                       SlotValues& abilityRanks);

// 全距離 from a pass over every distance that has just run.
void allDistanceFromPass(Tallies& t, const TRaceCard& card, TYosouResult& result);

// The five run scores, each run set directly against every other runner's runs of the same
// distance and meeting period (`all` from findAllMeetings); `afterRun` is called with j after run
// j. Then ベスト and 前走.
void runScores(const RunCache& cache, const Meetings& all, const TRaceCard& card,
               DistanceWindow window, const SlotValues& abilityRanks, TYosouResult& result,
               const std::function<void(int)>& afterRun);

// 近走: whether the latest usable runs were good, then the latest finish of any run.
void formGrades(const RunCache& cache, const TRaceCard& card, DistanceWindow window,
                TYosouResult& result);

// コルバン指数 and its rank.
void korvaneIndex(const TRaceCard& card, TYosouResult& result);

}  // namespace korvane
