#pragma once
// The one way odds are written on every window and page.

#include <cstddef>
#include <string>

namespace korvane {

// Odds as every window and page writes them: one decimal, whatever locale the desktop has set,
// or only the whole part when that is longer than `width` characters (100.0 in four shows 100),
// so that a long shot's odds are never cut to a wrong number.
std::string oddsFigure(double odds, std::size_t width = std::string::npos);

}  // namespace korvane
