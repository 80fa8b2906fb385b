#include "core/app/settings_edit.hpp"

#include "core/text/sjis.hpp"

namespace korvane {

std::string normaliseSymbol(std::string_view text) {
  // Every list lines its marks up in a two-byte column, so a mark is never left empty.
  if (text.empty()) return sj("　");
  return fitBytes(text, 2);
}

SettingsChoice currentChoice(const Settings& settings) {
  return {settings.load, settings.symbols, settings.shirushi, settings.kaime};
}

void applySettings(Settings& settings, const SettingsChoice& choice) {
  settings.load = choice.load;
  for (std::size_t i = 0; i < settings.symbols.size(); ++i) {
    settings.symbols[i] = normaliseSymbol(choice.symbols[i]);
  }
  settings.shirushi = choice.shirushi;
  settings.kaime = choice.kaime;
}

std::string modeLabel(const Settings& settings) {
  return settings.shirushi == MarkingMode::Custom ? sj("カスタマイズ") : sj("標準");
}

}  // namespace korvane
