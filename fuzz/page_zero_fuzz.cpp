// Fuzz target of the main-format reader (all-horses main file and race files): whatever the bytes,
// reading either succeeds with a consistent store or reports the file and the line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "core/database/store_files.hpp"
#include "fuzz_scratch.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvane::fuzzing;
  const auto file = writeScratch(data, size, "race.uma");
  const auto result = korvane::readPageZeroFile(file, scratchFolder());
  if (const auto* set = std::get_if<korvane::LoadedSet>(&result)) {
    const korvane::HorseStore& store = set->store;
    // A set that was accepted must hold every block it announces.
    if (store.count < 0 || store.count > korvane::kMaxHorses) std::abort();
    if (store.count > 0 && store.block(store.count).size() != korvane::kBlockLines) std::abort();
    if (set->card.runnerCount < 0 || set->card.runnerCount > korvane::kMaxRunners) std::abort();
  } else if (std::get<korvane::LoadError>(result).reason.empty()) {
    std::abort();
  }
  return 0;
}
