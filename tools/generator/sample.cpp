#include "generator/sample.hpp"

#include "generator/files.hpp"

namespace korvane::gen {

World sampleWorld(std::uint64_t seed) {
  WorldOptions options;
  options.seed = seed;
  options.horses = 80;
  options.groupSize = 16;
  options.centralOnly = true;
  return generateWorld(options);
}

TRaceCard sampleCard(const World& world, std::uint64_t seed) {
  Rng rng(seed ^ 0x5A3Bull);
  CardOptions options;
  options.runners = 12;
  options.odds = true;
  return makeCard(world, rng, options);
}

std::vector<std::string> sampleSetLines(std::uint64_t seed) {
  const World world = sampleWorld(seed);
  return allHorsesFiles(world, sampleCard(world, seed), kFirstRunBanner).pages.front();
}

}  // namespace korvane::gen
