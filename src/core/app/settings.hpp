#pragma once
// The settings kept in korvane.ini.

#include <array>
#include <string>

#include "core/engine/marking.hpp"

namespace korvane {

struct Settings {
  int left = 0;  // main window position
  int top = 0;
  bool load = true;  // load the all-horses set at start
  // 本命, 対抗, 単穴, 連下, 連下, 注意: two cp932 bytes each.
  std::array<std::string, 6> symbols;
  MarkingMode shirushi = MarkingMode::Standard;
  BetDisplay kaime = BetDisplay::Standard;

  Settings();
};

// The default symbols ◎ ○ ▲ △ × 注 in cp932.
std::array<std::string, 6> defaultSymbols();

}  // namespace korvane
