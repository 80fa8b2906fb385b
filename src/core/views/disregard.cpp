#include "core/views/disregard.hpp"

#include "core/text/sjis.hpp"

namespace korvane {

std::string disregardLabel(const TRaceCard& card) {
  for (int k = 1; k <= card.runnerCount && k <= kMaxRunners; ++k) {
    for (int r = 1; r <= 5; ++r) {
      if (card.disregard[k][r]) return sj("あり");
    }
  }
  return sj("なし");
}

}  // namespace korvane
