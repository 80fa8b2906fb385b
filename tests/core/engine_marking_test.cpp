#include <gtest/gtest.h>

#include "core/engine/index_orders.hpp"
#include "core/engine/marking.hpp"
#include "core/engine/race_style.hpp"
#include "engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::addHorse;
using testing::PastRun;

// The race style from runs of the race's surface and distance with (3rd, 4th) corner positions.
std::string styleOf(std::initializer_list<std::pair<int, int>> corners) {
  RunCache cache{};
  int r = 1;
  for (auto [c3, c4] : corners) {
    CachedRun& run = cache[1][r++];
    run.distance = 1600;
    run.raceSurface = run.present = true;
    run.corner3 = c3;
    run.corner4 = c4;
  }
  TRaceCard card;
  card.runnerCount = 1;
  HorseStore store;
  card.runner[1] = addHorse(store, "スタイル", {});
  return raceStyle(cache, store, card, {1400, 2000}, 1);
}

TEST(EngineRaceStyle, CornerPositionsOfUpToThreeRuns) {
  EXPECT_EQ(styleOf({{1, 1}, {1, 1}}), sj("逃"));
  EXPECT_EQ(styleOf({{4, 3}, {4, 3}, {1, 1}}), sj("好"));  // 好 2, 逃 1
  EXPECT_EQ(styleOf({{4, 2}, {3, 3}}), sj("先"));          // held on from 4th: 先
  EXPECT_EQ(styleOf({{9, 9}, {9, 9}}), sj("追"));
  EXPECT_EQ(styleOf({{9, 5}, {6, 6}}), sj("差"));
  // Led once, then came from behind twice: 追 by count, but a front run among the first two
  // makes it 好.
  EXPECT_EQ(styleOf({{1, 1}, {8, 9}, {8, 9}}), sj("好"));
  // Only the first three counted runs matter; a run without a 4th corner is not counted.
  EXPECT_EQ(styleOf({{9, 9}, {9, 0}, {9, 9}, {9, 9}, {1, 1}}), sj("追"));
  // Came from behind twice before leading once: the front run came too late to make it 好.
  EXPECT_EQ(styleOf({{8, 9}, {8, 9}, {1, 1}}), sj("追"));
}

TEST(EngineRaceStyle, WithoutACountedClassTheStoredStyleOrQuestionMark) {
  // A new horse without runs has the stored style 好.
  EXPECT_EQ(styleOf({}), sj("好"));
  EXPECT_EQ(styleOf({{0, 5}}), sj("好"));  // counted, but no class
  RunCache cache{};
  TRaceCard card;
  card.runnerCount = 1;  // slot 1 scratched
  HorseStore store;
  EXPECT_EQ(raceStyle(cache, store, card, {1400, 2000}, 1), sj("？"));
}

TEST(EngineStyleFit, ByDevelopment) {
  const auto& d = developments();
  EXPECT_EQ(styleFit(sj("逃"), d[0]), 2);
  EXPECT_EQ(styleFit(sj("追"), d[1]), 0);
  EXPECT_EQ(styleFit(sj("追"), d[2]), 1);  // 展開不問
  EXPECT_EQ(styleFit(sj("逃"), d[3]), 0);
  EXPECT_EQ(styleFit(sj("先"), d[4]), 1);
  EXPECT_EQ(styleFit(sj("差"), d[4]), 2);
  EXPECT_EQ(styleFit(sj("追"), sj("何か")), 1);  // any other text reads as 展開不問
  for (const std::string& dev : d) EXPECT_EQ(styleFit(sj("？"), dev), 1);
}

TEST(EngineIndexOrders, RankFirstThenTheTieBreakChain) {
  TYosouResult r;
  for (int k = 1; k <= 4; ++k) {
    r.runner[k].power = 520;
    r.runner[k].powerRank = 1;
  }
  r.runner[4].power = 510;
  r.runner[4].powerRank = 4;
  // 1 and 2: 2 has the better 負Ｐ rank. 3 has no 負Ｐ data, so 能力 decides against it.
  r.runner[1].loseP = 10;
  r.runner[1].losePRank = 3;
  r.runner[1].ability = 510;
  r.runner[2].loseP = 0;
  r.runner[2].losePRank = 1;
  r.runner[2].ability = 540;
  r.runner[3].loseP = 9999;
  r.runner[3].losePRank = 4;
  r.runner[3].ability = 530;
  const SlotOrder o = indexOrder(r, 4, OrderKind::Power);
  ASSERT_EQ(o.size, 4);
  EXPECT_EQ((std::array<int, 4>{o.slot[0], o.slot[1], o.slot[2], o.slot[3]}),
            (std::array<int, 4>{2, 3, 1, 4}));

  // The 負Ｐ order has no 負Ｐ item in its chain: 底力, then 能力.
  r.runner[1].losePRank = r.runner[2].losePRank = r.runner[3].losePRank = 1;
  r.runner[4].losePRank = 1;
  const SlotOrder l = indexOrder(r, 4, OrderKind::LoseP);
  EXPECT_EQ((std::array<int, 4>{l.slot[0], l.slot[1], l.slot[2], l.slot[3]}),
            (std::array<int, 4>{2, 3, 1, 4}));
}

TEST(EngineIndexOrders, EqualThroughTheChainKeepsSlotOrder) {
  TYosouResult r;
  for (int k = 1; k <= 3; ++k) r.runner[k].bestRank = 3;
  r.runner[2].bestRank = 1;
  const SlotOrder o = indexOrder(r, 3, OrderKind::Best);
  EXPECT_EQ((std::array<int, 3>{o.slot[0], o.slot[1], o.slot[2]}), (std::array<int, 3>{2, 1, 3}));
  // form is the last item of the chain.
  r.runner[3].form = 3;
  const SlotOrder f = indexOrder(r, 3, OrderKind::Best);
  EXPECT_EQ((std::array<int, 3>{f.slot[0], f.slot[1], f.slot[2]}), (std::array<int, 3>{2, 3, 1}));
}

// Ranks a prediction never gives (0, or above the field) are still taken rank first, slot next.
TEST(EngineIndexOrders, RanksOutsideTheFieldStillSortRankFirst) {
  TYosouResult r;
  const std::array<int, 5> ranks{0, 9, 2, 0, 2};
  for (int k = 1; k <= 4; ++k) r.runner[k].korvaneRank = ranks[k];
  const SlotOrder o = indexOrder(r, 4, OrderKind::Korvane);
  EXPECT_EQ((std::array<int, 4>{o.slot[0], o.slot[1], o.slot[2], o.slot[3]}),
            (std::array<int, 4>{3, 2, 4, 1}));
  r.runner[1].korvaneRank = 4;  // now 4, 2, 3, 2: every rank inside the field
  r.runner[3].korvaneRank = 3;
  const SlotOrder c = indexOrder(r, 4, OrderKind::Korvane);
  EXPECT_EQ((std::array<int, 4>{c.slot[0], c.slot[1], c.slot[2], c.slot[3]}),
            (std::array<int, 4>{2, 4, 3, 1}));
}

// Seven runners, none of them strong (コルバン指数 500 or less): the marks come from ベスト,
// 負Ｐ, 全距離 and form. Slot 6 is scratched and must never be marked.
TEST(EngineMarking, ARaceWhereNobodyIsStrong) {
  TRaceCard card;
  card.runnerCount = 7;
  card.runner = {0, 1, 2, 3, 4, 5, 0, 7};
  card.development = developments()[2];
  TYosouResult r;
  r.runnerCount = 7;
  struct Row {
    int best, bestRank, loseP, losePRank, ability, allDistance, form, fit;
  };
  const std::array<Row, 8> rows{{{},
                                 {530, 1, 4, 3, 495, 500, 2, 1},
                                 {520, 2, 0, 1, 500, 500, 2, 1},
                                 {500, 7, 2, 2, 505, 500, 2, 1},
                                 {500, 7, 9999, 7, 500, 510, 2, 1},
                                 {500, 7, 6, 4, 490, 500, 3, 1},
                                 {500, 7, 9999, 7, 500, 500, 3, 1},
                                 {510, 3, 8, 5, 500, 500, 2, 2}}};
  for (int k = 1; k <= 7; ++k) {
    RunnerResult& x = r.runner[k];
    x.best = rows[k].best;
    x.bestRank = rows[k].bestRank;
    x.loseP = rows[k].loseP;
    x.losePRank = rows[k].losePRank;
    x.ability = rows[k].ability;
    x.allDistance = rows[k].allDistance;
    x.form = rows[k].form;
    x.styleFit = rows[k].fit;
    x.korvane = k == 6 ? 0 : 498;
    x.korvaneRank = k == 6 ? 7 : 1;
  }
  r.korvaneOrder = indexOrder(r, 7, OrderKind::Korvane);
  buildMarkingOrders(r, 7);
  markStandard(card, card.development, r);
  // ベスト ranks 1-5 (1, 2, 7), 負Ｐ ranks 1-5 with 能力 50.0+ (3), 全距離 above 50.0 (4), then
  // form Ａ (5; scratched 6 passed over).
  ASSERT_EQ(r.markCount, 6);
  EXPECT_EQ((std::array<int, 6>{r.markOrder[0], r.markOrder[1], r.markOrder[2], r.markOrder[3],
                                r.markOrder[4], r.markOrder[5]}),
            (std::array<int, 6>{1, 2, 7, 3, 4, 5}));
  // ◎ has no 底力 above 50.0: class 30, which the standard bet display turns into 40.
  rateConfidence(BetDisplay::Standard, r);
  EXPECT_EQ(r.confidence, 30);
  EXPECT_EQ(r.confidenceClass, BetKind::TwoAxes);
}

// Strong runners in コルバン order; under a 断然 development the suited ones first, and the
// 負Ｐ 0.0 runner with 底力 is brought in.
TEST(EngineMarking, StrongRunnersAndTheDecisiveDevelopment) {
  TRaceCard card;
  card.runnerCount = 6;
  for (int k = 1; k <= 6; ++k) card.runner[k] = k;
  TYosouResult r;
  r.runnerCount = 6;
  const std::array<int, 7> korvane{0, 540, 530, 520, 510, 505, 495};
  const std::array<int, 7> fit{0, 0, 1, 2, 2, 1, 1};
  for (int k = 1; k <= 6; ++k) {
    r.runner[k].korvane = korvane[k];
    r.runner[k].korvaneRank = k;
    r.runner[k].styleFit = fit[k];
    r.runner[k].bestRank = 6;
    r.runner[k].losePRank = 6;
    r.runner[k].loseP = 20;
  }
  r.runner[6].loseP = 0;
  r.runner[6].losePRank = 1;
  r.runner[6].power = 520;
  r.korvaneOrder = indexOrder(r, 6, OrderKind::Korvane);
  buildMarkingOrders(r, 6);

  card.development = developments()[1];  // 逃げ先行有利
  markStandard(card, card.development, r);
  // First strong runner suited at least a little (2), then strong ones until four are marked
  // (1, 3, 4), the 負Ｐ 0.0 runner with 底力 (6), and the last strong runner (5) at the end.
  ASSERT_EQ(r.markCount, 6);
  EXPECT_EQ((std::array<int, 6>{r.markOrder[0], r.markOrder[1], r.markOrder[2], r.markOrder[3],
                                r.markOrder[4], r.markOrder[5]}),
            (std::array<int, 6>{2, 1, 3, 4, 6, 5}));

  // Under 逃げ先行断然 the two strong runners suited by it lead (3, 4).
  card.development = developments()[0];
  markStandard(card, card.development, r);
  ASSERT_EQ(r.markCount, 6);
  EXPECT_EQ((std::array<int, 6>{r.markOrder[0], r.markOrder[1], r.markOrder[2], r.markOrder[3],
                                r.markOrder[4], r.markOrder[5]}),
            (std::array<int, 6>{3, 4, 2, 1, 6, 5}));
}

TEST(EngineConfidence, ClassesAndTheBetDisplaySetting) {
  TYosouResult r;
  // (class, confidence) under the bet display setting `kaime`.
  auto rate = [&r](int kaime) {
    rateConfidence(static_cast<BetDisplay>(kaime), r);
    return std::pair{static_cast<int>(r.confidenceClass), r.confidence};
  };
  // Nobody marked: class 0, which only "ボックス買い" (30) and "常に１頭" (90) override.
  EXPECT_EQ(rate(1), std::pair(0, 0));
  EXPECT_EQ(rate(0), std::pair(30, 0));
  EXPECT_EQ(rate(3), std::pair(90, 0));

  // One marked runner: 90 and 80.
  r.markCount = 1;
  r.markOrder[0] = 1;
  EXPECT_EQ(rate(1), std::pair(90, 80));
  EXPECT_EQ(rate(0), std::pair(30, 80));

  // ◎ with 底力 and 能力 above 50.0 and a style that is not against the development: 40, and
  // 35 + 5 (底力 1st) + 2 (能力 2nd) + 5 (ベスト 1st) + 0 (前走 3rd) + 5 (負Ｐ 0) = 52.
  r.markCount = 3;
  RunnerResult& top = r.runner[1];
  top.power = 520;
  top.ability = 510;
  top.styleFit = 1;
  top.powerRank = 1;
  top.abilityRank = 2;
  top.bestRank = 1;
  top.lastRunRank = 3;
  top.loseP = 0;
  top.form = 2;
  EXPECT_EQ(rate(1), std::pair(40, 52));
  top.form = 3;
  top.abilityRank = top.lastRunRank = 1;
  EXPECT_EQ(rate(1), std::pair(40, 65));
  // A style against the development: 30, raised to 40 unless "ボックス買い".
  top.styleFit = 0;
  EXPECT_EQ(rate(1), std::pair(40, 30));
  EXPECT_EQ(rate(2), std::pair(40, 30));
  EXPECT_EQ(rate(0), std::pair(30, 30));
}

}  // namespace
}  // namespace korvane
