#include "core/flows/user_evaluation.hpp"

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

bool setUserClass(AppState& app, int slot, int userClass) {
  if (!isRaceSlot(app.card, slot) || app.card.runner[slot] == 0) return false;
  if (userClass < 1 || userClass > kUserClassCount) return false;
  app.card.userRank[slot] = userClass;
  app.store.modified = true;
  app.selectedRunner = 0;
  return true;
}

bool resetUserClasses(AppState& app) {
  if (!app.dialogs.confirm(sj("ユーザーの評価を"), sj("全て「わからない」に戻します。"))) {
    return false;
  }
  for (int k = 1; isRaceSlot(app.card, k); ++k) app.card.userRank[k] = kUndecidedClass;
  app.store.modified = true;
  return true;
}

bool mayJudge(AppState& app) {
  if (strongRatedCount(app.card) <= kMaxStrongRated) return true;
  app.dialogs.message(tooManyStrongRatedMessage());
  return false;
}

}  // namespace korvane
