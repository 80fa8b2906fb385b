#pragma once
// The custom file (.umc): a pair of rule sets, one number a line, cp932 with CR LF.
//
// Line 1 "DorvoUmc"; lines 2-26 set 1's five mark rules (kind, 底力 filter, 負Ｐ filter, minimum
// form, style, for ◎ ○ ▲ △ × in turn); lines 27-31 set 1's priority list; lines 32-56 and
// 57-61 the same for set 2. A file of exactly 59 lines is the older form with four priority
// codes per set, whose fifth code is 全距離 (5).

#include <array>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "core/database/store_files.hpp"
#include "core/engine/custom_rules.hpp"

namespace korvane {

inline constexpr int kCustomFileLines = 61;
inline constexpr int kOldCustomFileLines = 59;

// The 61 lines of a custom file.
std::vector<std::string> customFileLines(const CustomRules& rules);

// Reads the rules from a file's lines. A missing line, a value that is not a number or a value the
// marking cannot use (a kind outside 1..6, a priority list that is not 1..5 once each) is an
// error naming the line; then no rules come back at all, so a half-read file never reaches the
// rules being edited.
std::variant<CustomRules, LoadError> parseCustomFile(const std::vector<std::string>& lines,
                                                     const std::filesystem::path& file);

// Reads and parses the file at `file`.
std::variant<CustomRules, LoadError> readCustomFile(const std::filesystem::path& file);

// The name of a custom file before the user has saved or loaded one.
const std::filesystem::path& newCustomFileName();  // "新カスタマイズ.umc"

// The custom marking state the program keeps beside the settings.
struct CustomState {
  CustomRules rules = defaultCustomRules();          // committed by 完了 of the custom window
  std::filesystem::path file = newCustomFileName();  // the current custom file
  std::array<int, kRuleSets> selectedRow{};          // priority list row per set, 0-based
};

}  // namespace korvane
