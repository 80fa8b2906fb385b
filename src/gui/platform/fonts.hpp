#pragma once
// The fixed-pitch CJK font of every list, table and page: a full-width glyph is exactly two
// half-width cells, so columns counted in Shift-JIS bytes line up on screen.

#include <QFont>

namespace korvane::gui {

QFont fixedFont(int pointSize = 10);

// The width in pixels of `bytes` half-width cells in fixedFont(pointSize).
int cellsWidth(int bytes, int pointSize = 10);

}  // namespace korvane::gui
