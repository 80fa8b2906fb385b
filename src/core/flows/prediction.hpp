#pragma once
// 予想: the race card predicted with the program's marking, into AppState::result.

#include "core/engine/prediction_run.hpp"

namespace korvane {

struct AppState;

void predictRace(AppState& app, const ProgressFn& progress = {});

// Marks the race again on the stored indexes (after a change of the development or of the
// marking rules).
void remarkRace(AppState& app);

// 展開 chosen on the prediction screen: the race card takes the development, which is saved with
// it, and the race is marked again (the indexes stand; only the style fit and the marks follow).
void chooseDevelopment(AppState& app, const std::string& development);

}  // namespace korvane
