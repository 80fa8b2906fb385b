#pragma once
// The rules of the settings window (設定): what 完了 stores and what 標準に戻す restores.

#include <array>
#include <string>
#include <string_view>

#include "core/app/settings.hpp"

namespace korvane {

// What the settings window's controls hold when 完了 is pressed (texts in cp932).
struct SettingsChoice {
  bool load = true;
  std::array<std::string, 6> symbols;  // the edit texts as typed
  MarkingMode shirushi = MarkingMode::Standard;
  BetDisplay kaime = BetDisplay::Standard;
};

// The controls as the settings window opens with them: the settings as they stand.
SettingsChoice currentChoice(const Settings& settings);

// A mark symbol as stored: the first two bytes of the text, never half a double-byte character
// (the freed byte becomes a blank); a one-byte text gets a blank; an empty one becomes "　".
std::string normaliseSymbol(std::string_view text);

// 完了. The window position is not the settings window's and stays.
void applySettings(Settings& settings, const SettingsChoice& choice);

// The main window's mode label: "カスタマイズ" for custom marking, else "標準".
std::string modeLabel(const Settings& settings);

}  // namespace korvane
