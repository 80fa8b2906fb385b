#include <gtest/gtest.h>

#include <vector>

#include "core/app/app_state.hpp"
#include "core/engine/index_orders.hpp"
#include "core/flows/prediction.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

// One runner's indexes as a prediction leaves them (points in tenths).
struct Runner {
  int power = 500, ability = 500, best = 500, lastRun = 500, allDistance = 500;
  int loseP = 9999, form = 2;
  const char* style = "好";
  int korvane = 500;
  bool scratched = false;
};
using V = std::vector<int>;

class CustomMarkingTest : public ::testing::Test {
 protected:
  // The race of these runners with its indexes ranked (equal values share the best rank, lower
  // 負Ｐ is better), ready to be marked again.
  void race(const std::vector<Runner>& runners, int development = 1) {
    const int n = static_cast<int>(runners.size());
    app.card.runnerCount = app.result.runnerCount = n;
    app.card.development = developments()[development];
    for (int k = 1; k <= n; ++k) {
      const Runner& in = runners[k - 1];
      app.card.runner[k] = in.scratched ? 0 : k;
      app.result.runner[k] = {
          .ability = in.ability,
          .power = in.power,
          .loseP = in.loseP,
          .losePZero = !in.scratched && in.form > 0 && (in.loseP == 0 || in.loseP == 9999),
          .allDistance = in.allDistance,
          .best = in.best,
          .lastRun = in.lastRun,
          .form = in.form,
          .korvane = in.korvane,
          .raceStyle = sj(in.style)};
    }
    using R = RunnerResult;
    for (auto [value, rank] : {std::pair{&R::power, &R::powerRank},
                               {&R::ability, &R::abilityRank},
                               {&R::best, &R::bestRank},
                               {&R::lastRun, &R::lastRunRank},
                               {&R::allDistance, &R::allDistanceRank},
                               {&R::korvane, &R::korvaneRank},
                               {&R::loseP, &R::losePRank}}) {
      for (int k = 1; k <= n; ++k) {
        R& me = app.result.runner[k];
        me.*rank = 1;
        for (int j = 1; j <= n; ++j) {
          const int other = app.result.runner[j].*value;
          me.*rank += value == &R::loseP ? other < me.*value : other > me.*value;
        }
      }
    }
    app.result.korvaneOrder = indexOrder(app.result, n, OrderKind::Korvane);
  }

  V marks(MarkingMode shirushi = MarkingMode::Custom) {
    app.settings.shirushi = shirushi;
    remarkRace(app);
    return {app.result.markOrder.begin(), app.result.markOrder.begin() + app.result.markCount};
  }

  // The marks with `first` as ◎ rule of the 有利 set; the other rules find nobody in kFour (a
  // 前走 above 50.0 with a "-").
  V withFirstRule(MarkRule first) {
    RuleSet& set = app.custom.rules.sets[0];
    set.marks.fill({6, 0, 0, 0, 4});
    set.marks[0] = first;
    set.priority = {1, 2, 3, 4, 5};
    return marks();
  }

  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  testing::FailingWriter writer;
  AppState app{dialogs, clock, writer};
};

// Under 逃げ先行有利 追 fits 0, 差 1, 逃 and 先 2.
const std::vector<Runner> kFour{
    {600, 480, 560, 490, 530, 30, 1, "追"},
    {580, 540, 490, 560, 480, 20, 2, "差"},
    {560, 520, 520, 470, 540, 9999, 3, "逃"},
    {490, 560, 540, 510, 490, 0, 3, "先"},
};

TEST_F(CustomMarkingTest, EachKindFilterAndStyleRequirement) {
  race(kFour);
  const std::vector<std::pair<MarkRule, int>> picks{
      {{1, 0, 0, 0, 0}, 1}, {{2, 0, 0, 0, 0}, 4}, {{3, 0, 0, 0, 0}, 1}, {{4, 0, 0, 0, 0}, 3},
      {{5, 0, 0, 0, 0}, 4},                        // 負Ｐ 0 first, no data last
      {{6, 0, 0, 0, 0}, 2}, {{5, 1, 0, 0, 0}, 2},  // 底力 above 50.0
      {{5, 0, 1, 0, 0}, 4}, {{5, 1, 1, 0, 0}, 3},  // no 負Ｐ data counts as 0.0
      {{1, 0, 0, 3, 0}, 3}, {{1, 0, 0, 2, 0}, 2}, {{1, 0, 0, 1, 0}, 1}, {{1, 0, 0, 0, 1}, 2},
      {{1, 0, 0, 0, 2}, 3}, {{1, 0, 0, 0, 3}, 2}, {{1, 0, 0, 0, 4}, 1}, {{3, 0, 0, 0, 2}, 4}};
  for (const auto& [rule, slot] : picks) {
    EXPECT_EQ(withFirstRule(rule)[0], slot)
        << rule.kind << rule.powerFilter << rule.losePFilter << rule.minForm << rule.style;
  }
  // Only slot 3 is a form-Ａ "+" runner with 底力 above 50.0, and its 前走 is not above 50.0: no
  // ◎, and the 前走, ベスト, 能力 and 全距離 winners take the marks.
  EXPECT_EQ(withFirstRule({6, 1, 0, 3, 2}), (V{2, 1, 4, 3}));

  std::vector<Runner> scratched = kFour;
  scratched[0].scratched = true;
  race(scratched);
  EXPECT_EQ(withFirstRule({1, 0, 0, 0, 0}), (V{2, 4, 3}));
}

TEST_F(CustomMarkingTest, DefaultRulesMarkOtherRunnersThanTheStandardWay) {
  race({{600, 520, 530, 510, 520, 20, 2, "追", 580},
        {560, 580, 510, 540, 510, 10, 2, "差", 560},
        {540, 500, 560, 500, 500, 0, 3, "逃", 540},
        {520, 540, 490, 500, 500, 30, 2, "差", 530},
        {510, 510, 500, 500, 500, 40, 2, "追", 520},
        {500, 500, 500, 560, 500, 50, 2, "好", 510},
        {500, 500, 500, 500, 540, 60, 2, "好", 505}});
  // ◎ 底力 above 50.0 and not "-": slot 2. ○ 能力: slot 4. ▲ 底力: slot 1. △ 能力: slot 5.
  // × "+" by ベスト: slot 3. Then the 前走 and the 全距離 winner.
  EXPECT_EQ(marks(MarkingMode::Custom), (V{2, 4, 1, 5, 3, 6, 7}));
  // Rated on the custom ◎: 35, 底力 2nd +2, 能力 1st +5, 前走 2nd +2.
  EXPECT_EQ(app.result.confidence, 44);
  EXPECT_EQ(marks(MarkingMode::Standard), (V{2, 1, 3, 4, 5, 6, 7}));
}

TEST_F(CustomMarkingTest, TheDecisiveSetForBothDecisiveDevelopments) {
  app.custom.rules.sets[0].marks[0] = {6, 0, 0, 0, 0};  // 前走: slot 2
  app.custom.rules.sets[1].marks[0] = {4, 0, 0, 0, 0};  // 全距離: slot 3
  for (int dev = 0; dev < kDevelopmentCount; ++dev) {
    race(kFour, dev);
    EXPECT_EQ(marks()[0], dev == 0 || dev == 4 ? 3 : 2) << dev;
  }
}

// Nobody is above 50.0 on 能力, so the rules find nobody and the fill-up does everything.
TEST_F(CustomMarkingTest, TheFillUpStopsAtSevenThenAtSix) {
  app.custom.rules.sets[0].marks.fill({2, 0, 0, 0, 0});
  auto strong = [](int power) { return Runner{.power = power, .loseP = 10}; };
  // 底力 ranks 1-5 by the priority list, then one more above 50.0 to make six, not seven.
  race({strong(600),
        strong(590),
        strong(580),
        strong(570),
        strong(560),
        strong(550),
        strong(540),
        {.loseP = 0, .form = 3}});
  EXPECT_EQ(marks(), (V{1, 2, 3, 4, 5, 6}));
  // Four strong runners; then form-Ａ runners with 負Ｐ 0.0 up to six.
  race({strong(600),
        strong(590),
        strong(580),
        strong(570),
        {.loseP = 0, .form = 3},
        {.loseP = 0, .form = 2},
        {.loseP = 0, .form = 3},
        {.loseP = 0, .form = 3}});
  EXPECT_EQ(marks(), (V{1, 2, 3, 4, 5, 7}));
  // 負Ｐ 0.0 runners above 50.0 on ベスト or 全距離 but below fifth there come in up to seven,
  // ahead of slot 6's 底力.
  std::vector<Runner> runners;
  for (int k = 0; k < 6; ++k) runners.push_back({600 - 10 * k, 500, 600 - k, 500, 600 - k, 10});
  runners.push_back({.best = 510, .loseP = 0});
  runners.push_back({.allDistance = 505, .loseP = 0});
  runners.push_back({.loseP = 0});
  race(runners);
  EXPECT_EQ(marks(), (V{1, 2, 3, 4, 5, 7, 8}));
}

}  // namespace
}  // namespace korvane
