#include "core/views/graph.hpp"

#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/sjis.hpp"
#include "core/views/prediction_columns.hpp"
#include "core/views/style_sign.hpp"

namespace korvane {

namespace {

constexpr int kWidth = 328;
constexpr int kChartHeight = 249;
constexpr int kAxisHeight = 127;
constexpr int kBottom = 248;        // the bottom line of the chart stands for 38.0
constexpr int kFloorPoints = 380;   // one pixel per 0.1 point above it
constexpr int kNameCharacters = 9;  // a name of 18 bytes, written downwards
// Heights of the texts over a bar of `korvane` points: y = kBottom − korvane + these.
constexpr int kPlaceAbove = 354;    // a front-runner's place on ベスト
constexpr int kStyleAbove = 366;    // the running style
constexpr int kCirclesBelow = 383;  // the first of the ベスト and 負Ｐ circles

GraphShape shape(GraphShape::Kind kind, int left, int top, int right, int bottom, GraphColour pen,
                 GraphColour fill) {
  GraphShape s;
  s.kind = kind;
  s.left = left;
  s.top = top;
  s.right = right;
  s.bottom = bottom;
  s.pen = pen;
  s.fill = fill;
  return s;
}

GraphShape text(int x, int y, std::string characters, GraphColour colour) {
  GraphShape s = shape(GraphShape::Kind::Text, x, y, x, y, colour, colour);
  s.text = std::move(characters);
  return s;
}

GraphPicture framed(int height) {
  GraphPicture picture;
  picture.width = kWidth;
  picture.height = height;
  picture.shapes.push_back(shape(GraphShape::Kind::Rectangle, 0, 0, kWidth, height,
                                 GraphColour::Black, GraphColour::Olive));
  return picture;
}

void addBar(GraphPicture& chart, int a, const RunnerResult& r) {
  using Kind = GraphShape::Kind;
  const int k = r.korvane;
  const int x = 18 * a;
  // 38.0 and below leaves nothing above the bottom line; above 62.8 the bar is cut at the top.
  if (k > kFloorPoints) {
    const int top = std::max(0, kBottom - (k - kFloorPoints));
    chart.shapes.push_back(
        shape(Kind::Rectangle, x - 16, top, x + 1, kBottom, GraphColour::White, GraphColour::Grey));
    chart.shapes.push_back(
        shape(Kind::Line, x - 16, kBottom, x + 1, kBottom, GraphColour::Grey, GraphColour::Grey));
  }
  // A front-runner's style is yellow and carries its place on ベスト above it.
  const bool bestShown = isFrontRunner(r.raceStyle) && r.best != kNoComparison;
  // The texts stand over the top of the bar and the circles just inside it. Over a bar that
  // reaches the top of the chart the texts would leave the picture, so the whole group comes
  // down onto the bar until its first text is inside the frame.
  const int topText = kBottom - k + (bestShown ? kPlaceAbove : kStyleAbove);
  const int down = std::max(0, 1 - topText);
  if (bestShown) {
    chart.shapes.push_back(text(x - 15, kBottom - k + kPlaceAbove + down, slotNumber(r.bestRank),
                                GraphColour::Yellow));
  }
  chart.shapes.push_back(text(x - 15, kBottom - k + kStyleAbove + down, r.raceStyle,
                              bestShown ? GraphColour::Yellow : GraphColour::White));
  int y = kBottom - k + kCirclesBelow + down;
  if (r.bestRank >= 1 && r.bestRank <= 5) {
    chart.shapes.push_back(
        shape(Kind::Ellipse, x - 13, y, x - 2, y + 11, GraphColour::Yellow, GraphColour::Yellow));
    y += 12;
  }
  if (r.losePRank >= 1 && r.losePRank <= 5) {
    chart.shapes.push_back(
        shape(Kind::Ellipse, x - 13, y, x - 2, y + 11, GraphColour::White, GraphColour::Grey));
    // A clean 負Ｐ gets an inner ring and reads as ◎.
    if (r.loseP == 0) {
      chart.shapes.push_back(
          shape(Kind::Ellipse, x - 10, y + 3, x - 5, y + 8, GraphColour::White, GraphColour::Grey));
    }
  }
}

void addAxisColumn(GraphPicture& axis, int a, int slot, const std::string& name) {
  static const std::string longVowel = sj("ー"), bar = sj("｜");
  const int x = 18 * a;
  axis.shapes.push_back(
      text(slot >= 10 ? x - 15 : x - 14, 1, slotNumber(slot), GraphColour::White));
  std::size_t pos = 0;
  for (int i = 1; i <= kNameCharacters && pos < name.size(); ++i) {
    const std::size_t bytes = charBytesAt(name, pos);
    std::string character = name.substr(pos, bytes);
    pos += bytes;
    // Written downwards, a long vowel mark has to stand upright.
    if (character == longVowel) character = bar;
    axis.shapes.push_back(text(x - 14, 12 * i + 1, std::move(character), GraphColour::White));
  }
}

}  // namespace

GraphView buildGraph(const AppState& app) {
  const TYosouResult& result = app.result;
  const PredictionColumns columns = buildPredictionColumns(app);
  const int n = static_cast<int>(columns.name.size());

  GraphView view{framed(kChartHeight), framed(kAxisHeight)};
  for (int a = 1; a <= result.korvaneOrder.size && a <= n; ++a) {
    const int slot = result.korvaneOrder.slot[a - 1];
    // A scratched runner leaves its column empty.
    if (slot < 1 || slot > n || app.card.runner[slot] == 0) continue;
    addBar(view.chart, a, result.runner[slot]);
    addAxisColumn(view.axis, a, slot, columns.name[slot - 1]);
  }
  return view;
}

}  // namespace korvane
