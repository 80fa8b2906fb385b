#include "core/views/rankings.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/views/graph.hpp"
#include "core/views/points.hpp"
#include "engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::EngineFixture;

// A race whose prediction is set by hand: every runner without data (50.0, 負Ｐ ?.? in 9th
// place) unless a test says otherwise.
struct HandResult : EngineFixture {
  int add(const std::string& name, const std::string& style = "好") {
    const int slot = runner(name);
    app.result.runnerCount = app.card.runnerCount;
    RunnerResult& r = app.result.runner[slot];
    r.raceStyle = sj(style);
    r.losePRank = 9;
    r.runScore.fill(500);
    return slot;
  }
  RunnerResult& r(int slot) { return app.result.runner[slot]; }
  static void order(SlotOrder& o, const std::vector<int>& slots) {
    o.size = static_cast<int>(slots.size());
    std::copy(slots.begin(), slots.end(), o.slot.begin());
  }
};

// The name of a runner as every list shows it: 18 bytes, filled with full-width blanks.
std::string nameOf(const std::string& utf8) {
  return fitBytesZen(sj(utf8), 18);
}

struct SevenRunners : HandResult {
  SevenRunners() {
    const char* styles[] = {"逃", "差", "先", "好", "追", "？", "好"};
    const char* names[] = {"イチ", "ニ", "サン", "ヨン", "ゴ", "ロク", "ナナ"};
    const int ability[] = {561, 540, 530, 520, 510, 505, 500};
    const int loseP[] = {0, 5, 23, 60, 9999, 10, 50};
    for (int k = 1; k <= 7; ++k) {
      add(names[k - 1], styles[k - 1]);
      r(k).ability = ability[k - 1];
      r(k).loseP = loseP[k - 1];
    }
    r(3).power = 520;
    r(1).best = 600;
    r(2).best = 590;
    order(app.result.abilityOrder, {1, 2, 3, 4, 5, 6, 7});
    order(app.result.powerOrder, {3, 1, 2, 4, 5, 6, 7});
    order(app.result.losePOrder, {1, 2, 6, 3, 7, 4, 5});
    order(app.result.bestOrder, {1, 2, 3, 4, 5, 6, 7});
    app.result.markOrder = {3, 1, 2, 4, 5, 6, 7};
    app.result.markCount = 7;
    app.result.confidence = 45;
  }
};

TEST(Rankings, IndexListsWithSeparatorAndWithoutNoDataRunners) {
  SevenRunners f;
  const RankingsView v = buildRankings(f.app);
  EXPECT_EQ(v.list(RankingList::Ability),
            (std::vector<std::string>{
                "56.1 " + nameOf("イチ") + " " + sj("逃"), "54.0 " + nameOf("ニ") + " " + sj("差"),
                "53.0 " + nameOf("サン") + " " + sj("先"),
                "52.0 " + nameOf("ヨン") + " " + sj("好"), "51.0 " + nameOf("ゴ") + " " + sj("追"),
                std::string(26, '-'), "50.5 " + nameOf("ロク") + " " + sj("？")}));
  EXPECT_EQ(v.list(RankingList::Power),
            (std::vector<std::string>{"52.0 " + nameOf("サン") + " " + sj("先")}));
  // 負Ｐ has no style, a shorter line and leaves out 9.9 and no data.
  EXPECT_EQ(v.list(RankingList::LoseP),
            (std::vector<std::string>{"0.0 " + nameOf("イチ"), "0.5 " + nameOf("ニ"),
                                      "1.0 " + nameOf("ロク"), "2.3 " + nameOf("サン"),
                                      "5.0 " + nameOf("ナナ"), std::string(22, '-'),
                                      "6.0 " + nameOf("ヨン")}));
  // ベスト names the style of front-runners only.
  EXPECT_EQ(v.list(RankingList::Best),
            (std::vector<std::string>{"60.0 " + nameOf("イチ") + " " + sj("逃"),
                                      "59.0 " + nameOf("ニ")}));
  EXPECT_TRUE(v.list(RankingList::LastRun).empty());
}

TEST(Rankings, MarksAndTheHighlightOfOneHorseInEveryList) {
  SevenRunners f;
  f.app.settings.symbols[0] = sj("本");
  const RankingsView v = buildRankings(f.app);
  EXPECT_EQ(v.list(RankingList::Marks),
            (std::vector<std::string>{sj("本 ３") + nameOf("サン"), sj("○ １") + nameOf("イチ"),
                                      sj("▲ ２") + nameOf("ニ"), sj("△ ４") + nameOf("ヨン")}));
  EXPECT_EQ(v.list(RankingList::Marks2),
            (std::vector<std::string>{sj("× ５") + nameOf("ゴ"), sj("注 ６") + nameOf("ロク"),
                                      sj("注 ７") + nameOf("ナナ"), sj("（本の信頼度は45％）")}));

  EXPECT_EQ(clickedHorse(v, RankingList::Ability, 0), 1);
  EXPECT_EQ(clickedHorse(v, RankingList::Ability, 5), 0);  // the separator clears
  EXPECT_EQ(clickedHorse(v, RankingList::Ability, 6), 6);
  EXPECT_EQ(clickedHorse(v, RankingList::Marks2, 0), 5);
  EXPECT_EQ(clickedHorse(v, RankingList::Marks2, 3), 0);  // the reliability line
  EXPECT_EQ(highlightedRow(v, RankingList::Ability, 6), 6);
  EXPECT_EQ(highlightedRow(v, RankingList::LoseP, 4), 6);
  EXPECT_EQ(highlightedRow(v, RankingList::Power, 1), -1);
  EXPECT_EQ(highlightedRow(v, RankingList::Marks2, 7), 2);
}

// Twelve runners and a scratched slot, in コルバン指数 order 1..12 with a tie at 54.0 and at 50.0.
struct TwelveRunners : HandResult {
  TwelveRunners() {
    const int korvane[] = {560, 540, 540, 520, 515, 510, 505, 500, 500, 490, 480, 470};
    for (int k = 1; k <= 12; ++k) {
      add("ウマ" + std::to_string(k), k == 1 ? "逃" : k == 10 ? "先" : "差");
      r(k).korvane = korvane[k - 1];
      r(k).ability = 600 - k;
      r(k).bestRank = k;
    }
    add("");
    r(13).korvane = 0;
    order(app.result.korvaneOrder, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    order(app.result.abilityOrder, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    r(1).best = 620;
    r(10).best = 540;
    r(1).loseP = 0;
    r(1).losePRank = 1;
    r(2).loseP = 12;
    r(2).losePRank = 2;
    app.result.markOrder = {1};
    app.result.markCount = 1;
  }
};

TEST(Points, CompetitionRanksSeparatorsAndSideLists) {
  TwelveRunners f;
  // Each index lists ten at most, with the line after the fifth.
  EXPECT_EQ(buildRankings(f.app).list(RankingList::Ability).size(), 11u);

  const PointsView v = buildPoints(f.app);
  ASSERT_EQ(v.points.size(), 14u);  // the scratched slot has no row
  for (const auto* list : {&v.points, &v.best, &v.loseP, &v.frontBest}) {
    ASSERT_EQ(list->size(), 14u);
  }
  EXPECT_EQ(v.points[0], sj("１位 56.0pts １") + nameOf("ウマ1") + sj(" *逃* ◎"));
  EXPECT_EQ(v.points[1], sj("２位 54.0pts ２") + nameOf("ウマ2") + sj("  差  ？"));
  EXPECT_EQ(v.points[2].substr(0, 4), sj("２位"));
  EXPECT_EQ(v.points[3].substr(0, 4), sj("４位"));
  EXPECT_EQ(v.points[5], std::string(42, '-'));
  EXPECT_EQ(v.best[5], "----");
  EXPECT_EQ(v.points[8].substr(0, 4), sj("８位"));  // 50.0 twice: 8th and 8th
  EXPECT_EQ(v.points[9].substr(0, 4), sj("８位"));
  EXPECT_EQ(v.points[10], sj("10位 49.0pts 10") + nameOf("ウマ10") + sj(" +先+ 　"));
  EXPECT_EQ(v.points[11], std::string(42, '-'));

  EXPECT_EQ(v.best[0], sj("１位"));
  EXPECT_EQ(v.best[4], sj("５位"));
  EXPECT_EQ(v.best[6], "    ");
  EXPECT_EQ(v.loseP[0], sj("ゼロ"));
  EXPECT_EQ(v.loseP[1], sj("２位"));
  EXPECT_EQ(v.loseP[2], "    ");
  EXPECT_EQ(v.frontBest[0], sj("１位"));
  EXPECT_EQ(v.frontBest[10], "10" + sj("位"));  // any place of a front-runner
  EXPECT_EQ(v.frontBest[1], "    ");

  // A 負Ｐ first place that is not clean reads as a place.
  f.r(1).loseP = 3;
  EXPECT_EQ(buildPoints(f.app).loseP[0], sj("１位"));
}

const GraphShape* find(const GraphPicture& p, GraphShape::Kind kind, int left, int top) {
  for (const auto& s : p.shapes) {
    if (s.kind == kind && s.left == left && s.top == top) return &s;
  }
  return nullptr;
}

// The pen and the text of the shape at a point; nothing when no shape stands there, so that a
// missing shape fails the comparison instead of ending the test program.
std::optional<GraphColour> penAt(const GraphPicture& p, GraphShape::Kind kind, int left, int top) {
  const GraphShape* s = find(p, kind, left, top);
  return s ? std::optional(s->pen) : std::nullopt;
}

std::optional<std::string> textAt(const GraphPicture& p, GraphShape::Kind kind, int left, int top) {
  const GraphShape* s = find(p, kind, left, top);
  return s ? std::optional(s->text) : std::nullopt;
}

int count(const GraphPicture& p, GraphShape::Kind kind) {
  return static_cast<int>(std::count_if(p.shapes.begin(), p.shapes.end(),
                                        [kind](const GraphShape& s) { return s.kind == kind; }));
}

TEST(Graph, BarsSymbolsAndTheAxisStrip) {
  HandResult f;
  using Kind = GraphShape::Kind;
  const int first = f.add("エアグルーヴ", "逃");
  const int low = f.add("ニ");
  const int mid = f.add("サン", "差");
  for (int k = 4; k <= 10; ++k) f.add("");
  const int eleventh = f.add("ジュウイチ", "追");
  f.r(eleventh).korvane = 629;
  f.r(first).korvane = 628;
  f.r(first).best = 600;
  f.r(first).bestRank = 1;
  f.r(first).loseP = 0;
  f.r(first).losePRank = 2;
  f.r(low).korvane = 380;
  f.r(mid).korvane = 500;
  f.r(mid).losePRank = 3;
  f.r(mid).loseP = 20;
  HandResult::order(f.app.result.korvaneOrder, {eleventh, first, mid, low, 4, 5, 6, 7, 8, 9, 10});
  const GraphView g = buildGraph(f.app);

  // Columns of 18 pixels; above 62.8 the bar is cut at the top, 38.0 leaves nothing to see and
  // 50.0 stands 120 pixels high.
  const GraphShape* bar = find(g.chart, Kind::Rectangle, 2, 0);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(std::make_pair(bar->right, bar->bottom), std::make_pair(19, 248));
  EXPECT_NE(find(g.chart, Kind::Rectangle, 20, 0), nullptr);
  EXPECT_NE(find(g.chart, Kind::Rectangle, 38, 128), nullptr);
  EXPECT_EQ(count(g.chart, Kind::Rectangle), 4);  // the framed background and three bars

  // A front-runner with a ベスト: yellow style with its place above, a yellow ● and, below it,
  // a ◎ for 負Ｐ zero. On a bar that reaches the top the group comes down by 27 pixels, so that
  // the place stands just inside the frame.
  EXPECT_EQ(textAt(g.chart, Kind::Text, 21, 1), sj("１"));
  EXPECT_EQ(penAt(g.chart, Kind::Text, 21, 13), GraphColour::Yellow);
  const GraphShape* yellow = find(g.chart, Kind::Ellipse, 23, 30);
  ASSERT_NE(yellow, nullptr);
  EXPECT_EQ(std::make_pair(yellow->right, yellow->bottom), std::make_pair(34, 41));
  EXPECT_EQ(penAt(g.chart, Kind::Ellipse, 23, 42), GraphColour::White);
  EXPECT_NE(find(g.chart, Kind::Ellipse, 26, 45), nullptr);
  // Without a ベスト the style alone is brought inside; lower bars keep their texts over them.
  EXPECT_EQ(textAt(g.chart, Kind::Text, 3, 1), sj("追"));
  // Without a ベスト place the 負Ｐ circle comes first, and without a zero no inner ring.
  EXPECT_NE(find(g.chart, Kind::Ellipse, 41, 248 - 500 + 383), nullptr);
  EXPECT_EQ(count(g.chart, Kind::Ellipse), 4);
  EXPECT_EQ(penAt(g.chart, Kind::Text, 57, 248 - 380 + 366), GraphColour::White);

  // Axis: two-digit numbers one pixel further left; names downwards with ー upright; scratched
  // runners keep their columns empty.
  EXPECT_EQ(textAt(g.axis, Kind::Text, 3, 1), "11");
  EXPECT_EQ(textAt(g.axis, Kind::Text, 22, 13), sj("エ"));
  EXPECT_EQ(textAt(g.axis, Kind::Text, 22, 61), sj("｜"));
  EXPECT_EQ(find(g.axis, Kind::Text, 22, 121), nullptr);
  EXPECT_EQ(find(g.axis, Kind::Text, 18 * 5 - 14, 1), nullptr);
}

}  // namespace
}  // namespace korvane
