#pragma once
// 予想: the race card predicted with the program's marking, into AppState::result.

#include "core/engine/prediction_run.hpp"

namespace korvane {

struct AppState;

void predictRace(AppState& app, const ProgressFn& progress = {});

// Marks the race again on the stored indexes (after a change of the development or of the
// marking rules).
void remarkRace(AppState& app);

}  // namespace korvane
