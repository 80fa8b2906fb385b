#include "core/app/window_position.hpp"

#include <algorithm>

namespace korvane {

WindowPosition correctWindowPosition(WindowPosition saved, WindowSize window, WindowSize screen) {
  WindowPosition pos = saved;
  if (pos.left + window.width > screen.width) pos.left = screen.width - window.width;
  if (pos.top + window.height > screen.height) pos.top = screen.height - window.height;
  pos.left = std::max(pos.left, 0);
  pos.top = std::max(pos.top, -4);
  return pos;
}

}  // namespace korvane
