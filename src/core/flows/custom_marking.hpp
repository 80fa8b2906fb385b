#pragma once
// The custom marking window's buttons: 完了, 標準, 戻る, 保存, 読込 and ヘルプ over the program's
// state and the window's edit copy.

#include "core/custom/custom_edit.hpp"

namespace korvane {

struct AppState;

// The window opens: the committed rules, the set the card's development calls for, and the
// priority rows last selected.
CustomEdit openCustomEdit(const AppState& app);

// 完了: the edit copy becomes the rules, custom marking is on, and the race is marked again.
void commitCustom(AppState& app, const CustomEdit& edit);
// 標準: the default rules and file name, the first priority row, standard marking, marked again.
void restoreStandardMarking(AppState& app);
// 戻る: nothing is committed; in custom mode the custom file goes back to the one in use.
void leaveCustom(AppState& app, const CustomEdit& edit);
// 保存: asks for a name and writes the edit copy; the custom file and folder follow it. False
// after a cancel, a refused name or a failed write (each but the cancel shows its message).
bool saveCustomFile(AppState& app, const CustomEdit& edit);
// 読込: asks for a file and reads it into the edit copy; the custom file and folder follow it.
// False after a cancel, a missing file or a malformed one, with the edit copy untouched.
bool loadCustomFile(AppState& app, CustomEdit& edit);
// ヘルプ.
void customHelp(AppState& app);

}  // namespace korvane
