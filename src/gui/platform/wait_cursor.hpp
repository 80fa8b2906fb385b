#pragma once
// The hourglass while the program works with the event loop held: loading at start, a prediction.

#include <QGuiApplication>

namespace korvane::gui {

class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace korvane::gui
