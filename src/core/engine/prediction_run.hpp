#pragma once
// The prediction run: every index, style, order and mark of the race card into AppState::result.

#include <functional>

namespace korvane {

struct AppState;

// Called with the number of filled circles (1..10) of the progress window at each step.
using ProgressFn = std::function<void(int filled)>;

void runPrediction(AppState& app, const ProgressFn& progress = {});

// Marks again on the stored indexes (after a change of the development or the marking rules).
void remark(AppState& app);

}  // namespace korvane
