#pragma once
// The prediction run: every index, style, order and mark of a race card.

#include <functional>
#include <string>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "core/engine/marking.hpp"
#include "core/engine/prediction_engine.hpp"
#include "core/engine/yosou_result.hpp"

namespace korvane {

// Called with the number of filled circles (1..10) of the progress window at each step.
using ProgressFn = std::function<void(int filled)>;

// Predicts the card's race; the engine's tables keep what the detail views read afterwards.
TYosouResult runPrediction(PredictionEngine& engine, const HorseStore& store, const TRaceCard& card,
                           const Marking& marking, const ProgressFn& progress = {});

// Marks `result` again on its stored indexes, as the race would be marked under `development`
// (the card's own after a change of it or of the marking rules; each development in turn on the
// marks screen, which re-marks a copy).
void remark(TYosouResult& result, const TRaceCard& card, const std::string& development,
            const Marking& marking);

}  // namespace korvane
