#pragma once
// Expected page lines written in UTF-8 in the tests, compared as the cp932 bytes the pages hold.

#include <string>
#include <vector>

#include "core/text/sjis.hpp"

namespace korvane::testing {

inline std::vector<std::string> sjLines(const std::vector<std::string>& utf8) {
  std::vector<std::string> lines;
  for (const auto& line : utf8) lines.push_back(sj(line));
  return lines;
}

}  // namespace korvane::testing
