#pragma once
// The evaluation of one past run of a runner as the detail, disregard and past-runs screens show
// it (cp932): "*52.3*", "+50.8+", "-47.1-", " 50.0", "<注意>", " 他距", " なし", "(度外)",
// "(解除)".

#include <string>

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

// Run `run` (1 = 前走 .. 5) of runner slot `slot`, from the last prediction and the race card's
// disregarded runs. `releasedFrom` is, while the detail screen is open, the flags as they stood
// when it was shown: a run disregarded then and released since reads "(解除)". Elsewhere nullptr.
std::string runEvaluation(const AppState& app, const DisregardFlags* releasedFrom, int slot,
                          int run);

// The same in a column of the detail screen, whose cells are six bytes wide: " 50.0", " 他距"
// and " なし" carry one more blank there.
std::string runEvaluationCell(const AppState& app, const DisregardFlags* releasedFrom, int slot,
                              int run);

}  // namespace korvane
