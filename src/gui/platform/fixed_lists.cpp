#include "gui/platform/fixed_lists.hpp"

#include <QFontMetrics>
#include <algorithm>

#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"

namespace korvane::gui {

int fixedRowHeight() {
  return std::max(15, QFontMetrics(fixedFont()).height() + 1);
}

void shapeFixedList(QListWidget& list, int widthBytes, int rows) {
  list.setFont(fixedFont());
  list.setFocusPolicy(Qt::NoFocus);
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list.setUniformItemSizes(true);
  list.setSpacing(0);
  list.setTextElideMode(Qt::ElideNone);
  const int frame = 2 * list.frameWidth();
  list.setFixedSize(cellsWidth(widthBytes + 1) + frame + 8, rows * fixedRowHeight() + frame);
}

void setFixedLines(QListWidget& list, const std::vector<std::string>& lines) {
  list.clear();
  const int height = fixedRowHeight();
  for (const std::string& line : lines) {
    auto* item = new QListWidgetItem(toQt(line), &list);
    item->setSizeHint(QSize(list.width(), height));
  }
}

}  // namespace korvane::gui
