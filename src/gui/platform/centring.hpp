#pragma once
// Secondary windows open over the window they belong to, centred as the message windows are:
// owner Left + owner Width / 2 − own Width / 2, the same for Top.

class QWidget;

namespace korvane::gui {

// Moves `window` to the centre of `owner` (nothing without an owner). Call it when the window
// has its size, just before it shows.
void centreOn(QWidget& window, const QWidget* owner);

// A window without the system menu and close box: it is closed by its own buttons only.
void withoutSystemMenu(QWidget& window);

}  // namespace korvane::gui
