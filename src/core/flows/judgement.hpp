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

// 判定 of the user evaluation: the judgement can narrow down at most seven runners rated
// 絶対連絡む and 上位必至 together. With more, the message "「絶対連絡む」と「上位必至」の頭数を" /
// "両方合わせて７頭以下にして下さい。" / "（８頭以上だと候補が絞れません）" and false.
bool mayJudgeUserEvaluation(AppState& app);

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
