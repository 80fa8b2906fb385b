#pragma once
// The evaluation of one past run of a runner as the detail, disregard and past-runs screens show
// it (cp932): "*52.3*", "+50.8+", "-47.1-", " 50.0", "<注意>", " 他距", " なし", "(度外)",
// "(解除)".

#include <string>

namespace korvane {

struct AppState;

// Run `run` (1 = 前走 .. 5) of runner slot `slot`, from the last prediction, the race card's
// disregarded runs and, while the detail screen is open, its snapshot of them.
std::string runEvaluation(const AppState& app, int slot, int run);

// The same in a column of the detail screen, whose cells are six bytes wide: " 50.0", " 他距"
// and " なし" carry one more blank there.
std::string runEvaluationCell(const AppState& app, int slot, int run);

}  // namespace korvane
