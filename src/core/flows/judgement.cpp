#include "core/flows/judgement.hpp"

#include "core/app/app_state.hpp"

namespace korvane {

JudgementWindow::JudgementWindow(const AppState& app, UserEvaluations evaluations)
    : app_(app), judgement_(judgeRace(app, evaluations)), bets_(computeBets(judgement_)) {}

void JudgementWindow::chooseMaxBets(int maxBets) {
  bets_ = computeBets(judgement_, maxBets);
}

PageBuilder JudgementWindow::outputPage() const {
  return judgementPage(bets_, predictionPageFrame(app_));
}

}  // namespace korvane
