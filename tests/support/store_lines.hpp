#pragma once
// Every line of a horse store as its files would hold them, one page after another, for
// comparing two stores whole.

#include <string>
#include <vector>

#include "core/database/horse_store.hpp"

namespace korvane {

inline std::vector<std::string> storeLines(const HorseStore& store) {
  std::vector<std::string> lines;
  for (int p = 0; p < kPageCount; ++p) {
    for (std::string_view line : store.pageLines(p)) lines.emplace_back(line);
  }
  return lines;
}

}  // namespace korvane
