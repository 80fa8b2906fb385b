#include <gtest/gtest.h>

#include <vector>

#include "app/app_state.hpp"
#include "custom/custom_marking.hpp"
#include "engine/index_orders.hpp"
#include "engine/marking.hpp"
#include "engine/prediction_run.hpp"
#include "support/scripted_dialogs.hpp"
#include "text/sjis.hpp"

namespace korvane {
namespace {

// One runner's indexes as the prediction left them (points in tenths).
struct Runner {
  int power = 500, ability = 500, best = 500, lastRun = 500, allDistance = 500;
  int loseP = 9999;
  int form = 2;
  const char* style = "好";
  int korvane = 500;
  bool scratched = false;
};

// Higher is better except for 負Ｐ; equal values share the best rank.
template <class Get>
void rank(TYosouResult& r, int n, Get get, std::int32_t RunnerResult::*out, bool lowerIsBetter) {
  for (int k = 1; k <= n; ++k) {
    int better = 0;
    for (int j = 1; j <= n; ++j) {
      const int a = get(r.runner[j]), b = get(r.runner[k]);
      if (lowerIsBetter ? a < b : a > b) ++better;
    }
    r.runner[k].*out = better + 1;
  }
}

// A race of the given runners, its indexes set and ranked, ready for remark().
class CustomMarkingTest : public ::testing::Test {
 protected:
  AppState app{dialogs, clock, writer};

  void race(const std::vector<Runner>& runners, int development = 1) {
    const int n = static_cast<int>(runners.size());
    app.card.runnerCount = n;
    app.card.development = developments()[development];
    TYosouResult& r = app.result;
    r = TYosouResult{};
    r.runnerCount = n;
    for (int k = 1; k <= n; ++k) {
      const Runner& in = runners[k - 1];
      app.card.runner[k] = in.scratched ? 0 : k;
      RunnerResult& out = r.runner[k];
      out.power = in.power;
      out.ability = in.ability;
      out.best = in.best;
      out.lastRun = in.lastRun;
      out.allDistance = in.allDistance;
      out.loseP = in.loseP;
      out.losePZero = !in.scratched && in.form > 0 && (in.loseP == 0 || in.loseP == 9999);
      out.form = in.form;
      out.raceStyle = sj(in.style);
      out.korvane = in.korvane;
    }
    rank(
        r, n, [](const RunnerResult& x) { return x.power; }, &RunnerResult::powerRank, false);
    rank(
        r, n, [](const RunnerResult& x) { return x.ability; }, &RunnerResult::abilityRank, false);
    rank(
        r, n, [](const RunnerResult& x) { return x.best; }, &RunnerResult::bestRank, false);
    rank(
        r, n, [](const RunnerResult& x) { return x.lastRun; }, &RunnerResult::lastRunRank, false);
    rank(
        r, n, [](const RunnerResult& x) { return x.allDistance; }, &RunnerResult::allDistanceRank,
        false);
    rank(
        r, n, [](const RunnerResult& x) { return x.loseP; }, &RunnerResult::losePRank, true);
    rank(
        r, n, [](const RunnerResult& x) { return x.korvane; }, &RunnerResult::korvaneRank, false);
    r.korvaneOrder = indexOrder(r, n, OrderKind::Korvane);
  }

  std::vector<int> marks(int shirushi = 1) {
    app.settings.shirushi = shirushi;
    remark(app);
    return {app.result.markOrder.begin(), app.result.markOrder.begin() + app.result.markCount};
  }

  // The marks with `first` as the ◎ rule of the 有利 set; the other four rules find nobody
  // here (they ask for a 前走 above 50.0 with a "-").
  std::vector<int> marksWithFirstRule(MarkRule first,
                                      std::array<int, 5> priority = {1, 2, 3, 4, 5}) {
    RuleSet& set = app.custom.rules.sets[0];
    set.marks.fill(MarkRule{6, 0, 0, 0, 4});
    set.marks[0] = first;
    set.priority = priority;
    return marks();
  }

  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
};

using V = std::vector<int>;

// Under 逃げ先行有利: 追 fits 0, 差 1, 逃 and 先 2.
const std::vector<Runner> kFour{
    {.power = 600,
     .ability = 480,
     .best = 560,
     .lastRun = 490,
     .allDistance = 530,
     .loseP = 30,
     .form = 1,
     .style = "追"},
    {.power = 580,
     .ability = 540,
     .best = 490,
     .lastRun = 560,
     .allDistance = 480,
     .loseP = 20,
     .form = 2,
     .style = "差"},
    {.power = 560,
     .ability = 520,
     .best = 520,
     .lastRun = 470,
     .allDistance = 540,
     .loseP = 9999,
     .form = 3,
     .style = "逃"},
    {.power = 490,
     .ability = 560,
     .best = 540,
     .lastRun = 510,
     .allDistance = 490,
     .loseP = 0,
     .form = 3,
     .style = "先"},
};

TEST_F(CustomMarkingTest, EachIndexKindWalksItsOwnOrder) {
  race(kFour);
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 0, 0})[0], 1);  // 底力
  EXPECT_EQ(marksWithFirstRule({2, 0, 0, 0, 0})[0], 4);  // 能力
  EXPECT_EQ(marksWithFirstRule({3, 0, 0, 0, 0})[0], 1);  // ベスト
  EXPECT_EQ(marksWithFirstRule({4, 0, 0, 0, 0})[0], 3);  // 全距離
  EXPECT_EQ(marksWithFirstRule({5, 0, 0, 0, 0})[0], 4);  // 負Ｐ: 0 first, no data last
  EXPECT_EQ(marksWithFirstRule({6, 0, 0, 0, 0})[0], 2);  // 前走
}

TEST_F(CustomMarkingTest, EachFilterAndStyleRequirement) {
  race(kFour);
  EXPECT_EQ(marksWithFirstRule({5, 1, 0, 0, 0})[0], 2);  // 底力 above 50.0
  EXPECT_EQ(marksWithFirstRule({5, 0, 1, 0, 0})[0], 4);  // 負Ｐ 0.0
  EXPECT_EQ(marksWithFirstRule({5, 1, 1, 0, 0})[0], 3);  // both: no 負Ｐ data counts as 0.0
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 3, 0})[0], 3);  // form Ａ
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 2, 0})[0], 2);  // form Ａ or Ｂ
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 1, 0})[0], 1);  // form Ａ to Ｃ
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 0, 1})[0], 2);  // "+" or unsigned
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 0, 2})[0], 3);  // "+"
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 0, 3})[0], 2);  // unsigned
  EXPECT_EQ(marksWithFirstRule({1, 0, 0, 0, 4})[0], 1);  // "-"
  EXPECT_EQ(marksWithFirstRule({3, 0, 0, 0, 2})[0], 4);  // ベスト of a "+" runner
}

TEST_F(CustomMarkingTest, ARuleThatFindsNobodyLeavesItsMarkToTheNextRunner) {
  race(kFour);
  // Only slot 3 is a form-Ａ "+" runner with 底力 above 50.0, but its 前走 is below 50.0: no ◎,
  // so the fill-up (前走, ベスト, 能力, 底力, 全距離 winners) takes every mark.
  EXPECT_EQ(marksWithFirstRule({6, 1, 0, 3, 2}), (V{2, 1, 4, 3}));
  EXPECT_EQ(marksWithFirstRule({4, 0, 0, 0, 0}), (V{3, 2, 1, 4}));
}

// Seven runners where the user's default rules and the standard marking part ways.
TEST_F(CustomMarkingTest, DefaultRulesMarkOtherRunnersThanTheStandardWay) {
  race({
      {.power = 600,
       .ability = 520,
       .best = 530,
       .lastRun = 510,
       .allDistance = 520,
       .loseP = 20,
       .style = "追",
       .korvane = 580},
      {.power = 560,
       .ability = 580,
       .best = 510,
       .lastRun = 540,
       .allDistance = 510,
       .loseP = 10,
       .style = "差",
       .korvane = 560},
      {.power = 540, .best = 560, .loseP = 0, .form = 3, .style = "逃", .korvane = 540},
      {.power = 520, .ability = 540, .best = 490, .loseP = 30, .style = "差", .korvane = 530},
      {.power = 510, .ability = 510, .loseP = 40, .style = "追", .korvane = 520},
      {.lastRun = 560, .loseP = 50, .korvane = 510},
      {.allDistance = 540, .loseP = 60, .korvane = 505},
  });
  // ◎ 底力 above 50.0 and not "-": slot 1 runs behind, so slot 2. ○ 能力: slot 4 after slot 2.
  // ▲ 底力: slot 1. △ 能力: slot 5. × ベスト with "+": slot 3. Then the 前走 and 全距離
  // winners by the priority list.
  EXPECT_EQ(marks(1), (V{2, 4, 1, 5, 3, 6, 7}));
  EXPECT_EQ(app.result.markCount, 7);
  EXPECT_EQ(marks(0), (V{2, 1, 3, 4, 5, 6, 7}));
}

TEST_F(CustomMarkingTest, TheDecisiveSetForBothDecisiveDevelopments) {
  app.custom.rules.sets[0].marks[0] = {6, 0, 0, 0, 0};  // 前走: slot 2
  app.custom.rules.sets[1].marks[0] = {4, 0, 0, 0, 0};  // 全距離: slot 3
  for (int dev : {0, 4}) {
    race(kFour, dev);
    EXPECT_EQ(marks()[0], 3) << dev;
  }
  for (int dev : {1, 2, 3}) {
    race(kFour, dev);
    EXPECT_EQ(marks()[0], 2) << dev;
  }
}

TEST_F(CustomMarkingTest, ScratchedSlotsAreNeverMarked) {
  std::vector<Runner> runners = kFour;
  runners[0].scratched = true;  // slot 1 would be ◎ by 底力
  race(runners);
  const V got = marksWithFirstRule({1, 0, 0, 0, 0});
  EXPECT_EQ(got[0], 2);
  EXPECT_EQ(std::count(got.begin(), got.end(), 1), 0);
}

// Nobody is above 50.0 on 能力, so the five rules find nobody and only 底力 fills the list.
TEST_F(CustomMarkingTest, TheFillUpStopsAtSevenThenAtSix) {
  const MarkRule nobody{2, 0, 0, 0, 0};
  app.custom.rules.sets[0].marks.fill(nobody);

  // Ranks 1-5 by 底力 from the priority list; then 6 by 底力 above 50.0 (not 7).
  std::vector<Runner> runners;
  for (int p : {600, 590, 580, 570, 560, 550, 540}) runners.push_back({.power = p, .loseP = 10});
  runners.push_back({.loseP = 0, .form = 3});
  race(runners);
  EXPECT_EQ(marks(), (V{1, 2, 3, 4, 5, 6}));

  // Four strong runners; then the form-Ａ runners with 負Ｐ 0.0 up to six, 底力 order by slot.
  runners = {{.power = 600, .loseP = 10}, {.power = 590, .loseP = 10}, {.power = 580, .loseP = 10},
             {.power = 570, .loseP = 10}, {.loseP = 0, .form = 3},     {.loseP = 0, .form = 2},
             {.loseP = 0, .form = 3},     {.loseP = 0, .form = 3}};
  race(runners);
  EXPECT_EQ(marks(), (V{1, 2, 3, 4, 5, 7}));

  // 負Ｐ 0.0 runners above 50.0 on ベスト or 全距離 but below fifth place there come in up to
  // seven, ahead of slot 6's 底力.
  runners.clear();
  for (int k = 0; k < 6; ++k) {
    runners.push_back(
        {.power = 600 - 10 * k, .best = 600 - k, .allDistance = 600 - k, .loseP = 10});
  }
  runners.push_back({.best = 510, .loseP = 0});
  runners.push_back({.allDistance = 505, .loseP = 0});
  runners.push_back({.loseP = 0});
  race(runners);
  EXPECT_EQ(marks(), (V{1, 2, 3, 4, 5, 7, 8}));
}

TEST_F(CustomMarkingTest, ConfidenceIsRatedOnTheCustomMarks) {
  race(kFour);
  marksWithFirstRule({2, 0, 0, 0, 0});  // ◎ slot 4: 底力 49.0, so class 30 → 40 by Kaime 1
  EXPECT_EQ(app.result.confidence, 30);
  EXPECT_EQ(app.result.confidenceClass, 40);
  marksWithFirstRule({6, 0, 0, 0, 0});  // ◎ slot 2: 底力 and 能力 above 50.0, "差" fits
  // 35 + 2 (底力 2nd) + 2 (能力 2nd) + 5 (前走 1st); 負Ｐ 20, form Ｂ.
  EXPECT_EQ(app.result.confidence, 44);
}

}  // namespace
}  // namespace korvane
