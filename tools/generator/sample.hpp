#pragma once
// The sample data set shipped as data/smpuma.um0 and loaded on the first run: about 80 horses of
// the central racecourses in the main-file form, with a prepared card of 12 runners.

#include <cstdint>
#include <string>
#include <vector>

#include "generator/world.hpp"

namespace korvane::gen {

// The seed the shipped sample was made with.
inline constexpr std::uint64_t kSampleSeed = 11;

World sampleWorld(std::uint64_t seed = kSampleSeed);
TRaceCard sampleCard(const World& world, std::uint64_t seed = kSampleSeed);
// The lines of smpuma.um0: header "KORVANE DATA 1998-2006", the card, then every block.
std::vector<std::string> sampleSetLines(std::uint64_t seed = kSampleSeed);

}  // namespace korvane::gen
