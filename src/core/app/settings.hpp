#pragma once
// The settings kept in korvane.ini.

#include <array>
#include <string>

namespace korvane {

struct Settings {
  int left = 0;  // main window position
  int top = 0;
  bool load = true;  // load the all-horses set at start
  // 本命, 対抗, 単穴, 連下, 連下, 注意: two cp932 bytes each.
  std::array<std::string, 6> symbols;
  int shirushi = 0;  // marking mode: 0 standard, 1 custom rules
  int kaime = 1;     // bet display: 0 box, 1 standard, 2 one or two axes, 3 always one axis

  Settings();
};

// The default symbols ◎ ○ ▲ △ × 注 in cp932.
std::array<std::string, 6> defaultSymbols();

}  // namespace korvane
