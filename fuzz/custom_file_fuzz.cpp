// Fuzz target of the custom marking file reader: whatever the bytes, either rules the marking can
// use come back, or an error that names the line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "core/custom/custom_file.hpp"
#include "fuzz_scratch.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = korvane::fuzzing::writeScratch(data, size, "rules.umc");
  const auto result = korvane::readCustomFile(file);
  if (const auto* rules = std::get_if<korvane::CustomRules>(&result)) {
    if (!korvane::rulesInRange(*rules)) std::abort();
  } else if (std::get<korvane::LoadError>(result).reason.empty()) {
    std::abort();
  }
  return 0;
}
