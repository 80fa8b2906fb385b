#pragma once
// A page as it goes to the printer: an empty line first, and every page line behind an
// ideographic space as the left margin, so that all lines start in the same column.

#include <string>
#include <vector>

namespace korvane {

std::vector<std::string> printedLines(const std::vector<std::string>& page);

}  // namespace korvane
