#include "core/flows/judgement.hpp"

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

std::string maxBetsItem(int maxBets) {
  std::string item = maxBets < 10 ? fullWidthDigit(maxBets) : std::to_string(maxBets);
  item += sj("点");
  if (maxBets == kStandardMaxBets) item += sj("（標準）");
  return item;
}

JudgementWindow::JudgementWindow(const AppState& app, UserEvaluations evaluations)
    : app_(app), judgement_(judgeRace(app, evaluations)), bets_(computeBets(judgement_)) {}

void JudgementWindow::chooseMaxBets(int maxBets) {
  bets_ = computeBets(judgement_, maxBets);
}

PageBuilder JudgementWindow::outputPage() const {
  return judgementPage(bets_, predictionPageFrame(app_));
}

}  // namespace korvane
