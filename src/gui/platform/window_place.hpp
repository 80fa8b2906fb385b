#pragma once
// Where windows stand. A window manager frames every window with a title bar and a border, and
// the frame only exists once the window is on screen: a window placed before that must be placed
// by the frame it is going to get, or it opens a title bar's height too high.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace korvane::gui {

// The title bar and borders around the window's client area; none before the window manager
// has framed it (and none at all without a window manager).
QMargins frameMargins(const QWidget& window);

// Whether the window manager has framed the window and Qt knows the frame: until then Qt may
// report a frame of no size, or none at all.
bool framed(const QWidget& window);

// Puts the window's frame with its top left at `frameTopLeft`, for a frame of `frame` margins.
void moveFrameTo(QWidget& window, QPoint frameTopLeft, QMargins frame);

// Moves `window` to the centre of `owner`, frame on frame (nothing without an owner): owner Left
// + owner Width / 2 − own Width / 2, the same for Top. A window not framed yet is placed by the
// frame of its owner. Call it when the window has its size, just before it shows.
void centreOn(QWidget& window, const QWidget* owner);

// The position (frame, left and top) at which a window with a frame of `outer` size stays on the
// available `area` of the screen when it was saved at `saved`.
QPoint keptOnScreen(QPoint saved, QSize outer, const QRect& area);

}  // namespace korvane::gui
