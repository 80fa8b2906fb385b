#pragma once
// The judgement window (判定): the overall list and the kind of bet are judged once per showing;
// a choice in 最大買い目数 only computes the bets again.

#include <string>

#include "core/betting/judgement.hpp"
#include "core/flows/output.hpp"

namespace korvane {

struct AppState;

// The items of 最大買い目数: "１点" … "９点", "10点", "11点"; the standard seven is
// "７点（標準）".
std::string maxBetsItem(int maxBets);

class JudgementWindow {
 public:
  // コルバンの買い目 judges with every runner neutral, the user evaluation with the user's
  // classes; 最大買い目数 starts at ７点（標準）.
  JudgementWindow(const AppState& app, UserEvaluations evaluations);

  const Judgement& judgement() const { return judgement_; }
  const BetLists& bets() const { return bets_; }

  // MaxGrp: 1..11 bets at most.
  void chooseMaxBets(int maxBets);

  // The page "総合判定結果の出力" of the lists as they stand.
  PageBuilder outputPage() const;

 private:
  const AppState& app_;
  Judgement judgement_;
  BetLists bets_;
};

}  // namespace korvane
