// Fuzz target of the korvane.ini reader: whatever the bytes, the program starts with settings it
// can use (every mark symbol two bytes wide, a bet display the marking knows).

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/app/settings_file.hpp"
#include "fuzz_scratch.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = korvane::fuzzing::writeScratch(data, size, "korvane.ini");
  const korvane::Settings settings = korvane::readSettingsFile(file);
  for (const auto& symbol : settings.symbols) {
    if (symbol.size() != 2) std::abort();
  }
  const int kaime = static_cast<int>(settings.kaime);
  if (kaime < 0 || kaime > 3 || settings.shirushi != korvane::MarkingMode::Standard) std::abort();
  return 0;
}
