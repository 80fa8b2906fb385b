#pragma once
// The user evaluation screen's flows (ユーザー予想の入力): a click into a class column, リセット,
// and whether 判定 may open.

#include "core/views/user_evaluation.hpp"

namespace korvane {

struct AppState;

// A click into a class column: puts the slot into the class, marks the data modified and drops
// the name selection. A scratched slot, a row below the runners or an unknown class changes
// nothing; false then.
bool setUserClass(AppState& app, int slot, int userClass);

// リセット: after the confirmation every runner goes back to わからない. False on いいえ.
bool resetUserClasses(AppState& app);

// 判定 of the user evaluation: the judgement can narrow down at most seven runners rated
// 絶対連絡む and 上位必至 together. With more, the message "「絶対連絡む」と「上位必至」の頭数を" /
// "両方合わせて７頭以下にして下さい。" / "（８頭以上だと候補が絞れません）" and false.
bool mayJudge(AppState& app);

}  // namespace korvane
