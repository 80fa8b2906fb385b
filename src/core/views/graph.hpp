#pragma once
// The graph window "グラフ表示" as drawing data: the コルバン指数 chart and the axis strip under
// it, each a list of shapes in painting order with pixel coordinates and colours, so that the
// window only paints them.

#include <string>
#include <vector>

namespace korvane {

struct AppState;

enum class GraphColour { Olive, Black, White, Grey, Yellow };

struct GraphShape {
  enum class Kind { Rectangle, Ellipse, Line, Text };
  Kind kind = Kind::Rectangle;
  // Rectangle and ellipse: the bounding box, right and bottom edges outside the shape. Line: from
  // (left, top) to (right, bottom). Text: its top left corner at (left, top).
  int left = 0, top = 0, right = 0, bottom = 0;
  GraphColour pen = GraphColour::Black;   // outline, line or text colour
  GraphColour fill = GraphColour::Olive;  // inside of a rectangle or ellipse
  std::string text;                       // cp932, one character or a short number
};

struct GraphPicture {
  int width = 0, height = 0;
  std::vector<GraphShape> shapes;  // the first one is the framed background
};

struct GraphView {
  GraphPicture chart;  // 328 x 249: a bar per runner, 38.0 at the bottom line
  GraphPicture axis;   // 328 x 127: slot numbers and the names written downwards
};

// Texts of both pictures are written in this font at this pixel size.
inline constexpr const char* kGraphFontUtf8 = "ＭＳ ゴシック";
inline constexpr int kGraphFontPixels = 13;

GraphView buildGraph(const AppState& app);

}  // namespace korvane
