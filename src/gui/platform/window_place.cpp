#include "gui/platform/window_place.hpp"

#include <QWidget>

#include "core/app/window_position.hpp"

namespace korvane::gui {

QMargins frameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                  frame.right() - client.right(), frame.bottom() - client.bottom());
}

bool framed(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  return frame != window.geometry() && frame.contains(window.geometry());
}

void moveFrameTo(QWidget& window, QPoint frameTopLeft, QMargins frame) {
  // The client area's geometry is what Qt passes on as it is; a position given to move() is
  // taken for the frame's only once the window has one.
  window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
}

void centreOn(QWidget& window, const QWidget* owner) {
  if (owner == nullptr) return;
  const QMargins frame = framed(window) ? frameMargins(window) : frameMargins(*owner);
  const QRect outer = owner->frameGeometry();
  const QSize size = window.size().grownBy(frame);
  moveFrameTo(window,
              QPoint(outer.left() + outer.width() / 2 - size.width() / 2,
                     outer.top() + outer.height() / 2 - size.height() / 2),
              frame);
}

QPoint keptOnScreen(QPoint saved, QSize outer, const QRect& area) {
  // The rule counts from the area's top left corner: a panel at the top or on the left of the
  // desktop moves the area, not the rule.
  const WindowPosition at =
      correctWindowPosition({saved.x() - area.left(), saved.y() - area.top()},
                            {outer.width(), outer.height()}, {area.width(), area.height()});
  return QPoint(at.left + area.left(), at.top + area.top());
}

}  // namespace korvane::gui
