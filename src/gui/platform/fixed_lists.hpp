#pragma once
// Lists of byte-counted lines in the fixed-pitch font: every row one height, so that lists set
// side by side line up row for row, and each list exactly as tall as the rows it is to show.

#include <QListWidget>
#include <string>
#include <vector>

namespace korvane::gui {

// One row of fixedFont(): a line of text and a pixel, never below 15 pixels.
int fixedRowHeight();

// Fixed font, no scroll bars, no eliding, no keyboard focus; room for `rows` rows and for
// `widthBytes` half-width cells with the item's own margins, so that the widest line shows whole.
void shapeFixedList(QListWidget& list, int widthBytes, int rows);

// The lines of the list (cp932), one item of fixedRowHeight() per line.
void setFixedLines(QListWidget& list, const std::vector<std::string>& lines);

}  // namespace korvane::gui
