#include "core/views/user_evaluation.hpp"

#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

bool isRaceSlot(const TRaceCard& card, int slot) {
  return slot >= 1 && slot <= std::min(card.runnerCount, kMaxRunners);
}

const std::array<std::string, kUserClassCount>& userClassNames() {
  static const std::array<std::string, kUserClassCount> names{
      sj("絶対連絡む"), sj("上位必至"), sj("わからない"), sj("たぶん下位"), sj("絶対来ない")};
  return names;
}

std::string userEvaluationHeading() {
  return sj("┌────────ユーザーの評価────────┐");
}

std::string userEvaluationHint() {
  return sj(
      "印は重い順に「◎○▲△注」です。「？」印の馬はユーザーが取捨を判断して下さい。"
      "その際必要に応じて「注」の馬を消して下さい。");
}

int shownUserClass(const TRaceCard& card, int slot) {
  const int rank = card.userRank[static_cast<std::size_t>(std::clamp(slot, 0, kMaxRunners))];
  return rank >= 1 && rank <= kUserClassCount ? rank : kUndecidedClass;
}

std::vector<std::string> userClassColumn(const TRaceCard& card, int userClass) {
  static const std::string chosen = sj("   ○"), other = sj("   ・");
  std::vector<std::string> rows;
  for (int k = 1; isRaceSlot(card, k); ++k) {
    rows.push_back(shownUserClass(card, k) == userClass ? chosen : other);
  }
  return rows;
}

std::string cursorLabel(int userClass) {
  std::string label = sj("カーソル位置");
  if (userClass >= 1 && userClass <= kUserClassCount) {
    label += sj("［") + userClassNames()[static_cast<std::size_t>(userClass - 1)] + sj("］");
  }
  return label;
}

std::string selectLabel(const AppState& app, int row) {
  if (!isRaceSlot(app.card, row)) return sj("なし");
  return std::to_string(row) + " " + horseName(app.store, app.card.runner[row]);
}

int rowUnderPointer(int y, int columnHeight) {
  // A column shorter than 18 pixels still has rows of one pixel rather than none.
  const int rowHeight = std::max(columnHeight / kMaxRunners, 1);
  return std::max(y, 0) / rowHeight + 1;
}

int strongRatedCount(const TRaceCard& card) {
  int count = 0;
  for (int k = 1; isRaceSlot(card, k); ++k) {
    if (card.runner[k] != 0 && (card.userRank[k] == 1 || card.userRank[k] == 2)) ++count;
  }
  return count;
}

const std::vector<std::string>& tooManyStrongRatedMessage() {
  static const std::vector<std::string> lines{sj("「絶対連絡む」と「上位必至」の頭数を"),
                                              sj("両方合わせて７頭以下にして下さい。"),
                                              sj("（８頭以上だと候補が絞れません）")};
  return lines;
}

}  // namespace korvane
