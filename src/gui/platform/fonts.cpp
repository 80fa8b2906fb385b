#include "gui/platform/fonts.hpp"

#include <QFontMetrics>
#include <QStringList>

namespace korvane::gui {

QFont fixedFont(int pointSize) {
  QFont font;
  font.setFamilies(QStringList{"Noto Sans Mono CJK JP", "IPAGothic", "monospace"});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(pointSize);
  return font;
}

int cellsWidth(int bytes, int pointSize) {
  return QFontMetrics(fixedFont(pointSize)).horizontalAdvance(QString(bytes, QChar(' ')));
}

}  // namespace korvane::gui
