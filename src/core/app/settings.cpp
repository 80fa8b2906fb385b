#include "core/app/settings.hpp"

#include "core/text/sjis.hpp"

namespace korvane {

std::array<std::string, 6> defaultSymbols() {
  return {sj("◎"), sj("○"), sj("▲"), sj("△"), sj("×"), sj("注")};
}

Settings::Settings() : symbols(defaultSymbols()) {}

}  // namespace korvane
