#pragma once
// The settings' flows: 標準に戻す of the settings window (設定), and korvane.ini written when the
// program closes.

#include "core/app/settings.hpp"

namespace korvane {

struct AppState;
class Dialogs;

// 標準に戻す: asks "設定を全て標準に戻します。" / "よろしいですか？"; on はい every setting but the
// window position takes its default and true is returned (the window then closes).
bool resetSettings(Dialogs& dialogs, Settings& settings);

// Writes app.settings to korvane.ini in the data folder. On failure the file that stood there
// stays as it was, a message names it, and false is returned.
bool writeSettingsFile(AppState& app);

}  // namespace korvane
