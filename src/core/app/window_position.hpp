#pragma once
// Where the main window opens: the position saved in korvane.ini, pulled back onto the screen
// (a file written on a larger desktop, or by hand, must not hide the window).

namespace korvane {

struct WindowPosition {
  int left = 0;
  int top = 0;
};

struct WindowSize {
  int width = 0;
  int height = 0;
};

// A window beyond the right or bottom edge is moved to touch it; then Left is kept at 0 or more
// and Top at -4 or more, so that the title bar can always be grabbed.
WindowPosition correctWindowPosition(WindowPosition saved, WindowSize window, WindowSize screen);

}  // namespace korvane
