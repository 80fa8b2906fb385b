#include "gui/platform/centring.hpp"

#include <QWidget>

namespace korvane::gui {

void centreOn(QWidget& window, const QWidget* owner) {
  if (owner == nullptr) return;
  const QRect outer = owner->frameGeometry();
  const QRect own = window.frameGeometry();
  window.move(outer.left() + outer.width() / 2 - own.width() / 2,
              outer.top() + outer.height() / 2 - own.height() / 2);
}

void withoutSystemMenu(QWidget& window) {
  window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

}  // namespace korvane::gui
