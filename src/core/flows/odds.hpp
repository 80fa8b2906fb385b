#pragma once
// The odds windows' flows: win odds (単勝オッズ) typed slot by slot, corrected or cleared, and
// quinella (馬連) odds turned into win odds. Each asks through the input window and tells through
// the message windows.

#include <functional>
#include <optional>
#include <string>

#include "core/betting/odds.hpp"

namespace korvane {

struct AppState;
class Dialogs;

// The input window: shows the question with the current value selected and returns the text of
// the edit on 入力, nothing on キャンセル (all texts cp932).
using AskValue = std::function<std::optional<std::string>(const std::string& question,
                                                          const std::string& value)>;

// 単勝オッズ入力: asks every slot not scratched, in slot order, until the first cancel; every
// value given before it stays. Marks the store modified when anything was stored.
void enterAllWinOdds(AppState& app, const AskValue& ask);

// 単勝オッズ修正 on the selected row (0 = none: the message "オッズを修正したい所を" /
// "クリックしてからお願いします。"). Returns the selection afterwards: after a stored value the
// next running slot, 0 after the last; unchanged after a cancel.
int correctWinOdds(AppState& app, int selected, const AskValue& ask);

// 単勝オッズクリア: after the confirmation "単勝オッズをクリアします。" / "よろしいですか？" every
// running slot's odds become 0.0. Returns whether they were cleared.
bool clearWinOdds(AppState& app);

// 馬連オッズ入力: false after the message "出走取消の馬がいるため" / "馬連オッズが入力できません。"
// when a slot of the race is scratched.
bool mayEnterQuinella(AppState& app);

// 馬連オッズ入力 of the quinella window: every entry in list order until the first cancel.
void enterAllQuinella(QuinellaOdds& odds, const AskValue& ask);
// 馬連オッズ修正: as the win odds correction, on the selected entry (0 = none).
int correctQuinella(Dialogs& dialogs, QuinellaOdds& odds, int selected, const AskValue& ask);

// 完了 of the quinella window: stores the derived odds (unrounded) in slots 1..N when every entry
// is filled and marks the store modified. Returns whether the odds changed.
bool finishQuinella(AppState& app, const QuinellaOdds& odds);

}  // namespace korvane
