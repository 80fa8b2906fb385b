#pragma once
// The engine's working tables. One object lives in AppState for the whole session: a prediction
// overwrites it in place (nothing is allocated per run), and the detail views read the runs and
// tallies that the last prediction left.

#include "core/engine/meetings.hpp"
#include "core/engine/run_cache.hpp"
#include "core/engine/tallies.hpp"

namespace korvane {

struct PredictionEngine {
  RunCache runs{};            // [slot][run]: the runners' past runs
  Meetings meetings{};        // which of those runs met, over every distance and surface
  Tallies tallies{};          // after a prediction: the all-distances pass; window = race distance
  SlotValues abilityRanks{};  // [slot]: ranks of the second 能力 computation, before 500s go last
};

}  // namespace korvane
