#include "core/app/settings_file.hpp"

#include <charconv>
#include <cstddef>
#include <string_view>

#include "core/app/settings_edit.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

// A window position that is not a whole number (a hand-edited file) starts at the default
// rather than stop the program.
int positionOr(std::string_view text, int fallback) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

// Bytes from..from+1 (0-based) of the symbols line, as a two-byte symbol.
std::string symbolAt(std::string_view line, std::size_t from) {
  return from < line.size() ? normaliseSymbol(line.substr(from, 2)) : normaliseSymbol({});
}

}  // namespace

fs::path settingsFilePath(const fs::path& dataFolder) {
  return dataFolder / "korvane.ini";
}

Settings parseSettings(std::span<const std::string> lines) {
  Settings settings;
  const auto has = [&](std::size_t line) { return lines.size() >= line; };
  if (has(1)) settings.left = positionOr(lines[0], 0);
  if (has(2)) settings.top = positionOr(lines[1], 0);
  if (has(3)) settings.load = lines[2] == "load=Y";
  if (has(4)) {
    const std::string_view symbols = lines[3];
    if (symbols.size() > 10) {
      for (std::size_t i = 0; i < 6; ++i) settings.symbols[i] = symbolAt(symbols, 2 * i);
    } else {
      // Versions before the second 連下 kept five symbols; it takes its standard ×.
      for (std::size_t i = 0; i < 4; ++i) settings.symbols[i] = symbolAt(symbols, 2 * i);
      settings.symbols[4] = sj("×");
      settings.symbols[5] = symbolAt(symbols, 8);
    }
  }
  // Line 5 is kept for older versions only: custom marking is chosen anew after every start.
  if (has(6)) {
    const std::string_view kaime = lines[5];
    if (kaime.size() >= 7 && kaime[6] >= '0' && kaime[6] <= '3')
      settings.kaime = static_cast<BetDisplay>(kaime[6] - '0');
  }
  return settings;
}

Settings readSettingsFile(const fs::path& file) {
  const auto lines = readLines(file, kMaxSmallFileBytes).lines;
  return lines ? parseSettings(*lines) : Settings();
}

std::vector<std::string> settingsLines(const Settings& settings) {
  std::string symbols;
  for (const std::string& symbol : settings.symbols) symbols += normaliseSymbol(symbol);
  return {std::to_string(settings.left),
          std::to_string(settings.top),
          settings.load ? "load=Y" : "load=N",
          symbols,
          "Shirushi=" + std::to_string(static_cast<int>(settings.shirushi)),
          "Kaime=" + std::to_string(static_cast<int>(settings.kaime))};
}

}  // namespace korvane
