// korvane-gen: writes a generated race file, all-horses set or the sample set into a folder.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "generator/generator.hpp"
#include "core/text/line_file.hpp"

namespace {

constexpr std::string_view kUsage =
    "usage: korvane-gen race FOLDER [--seed N] [--runners N] [--horses N] [--name NAME]\n"
    "       korvane-gen all FOLDER [--seed N] [--horses N] [--runners N]\n"
    "       korvane-gen sample FILE [--seed N]\n";

int usage() {
  std::cerr << kUsage;
  return 2;
}

bool number(std::string_view text, std::int64_t low, std::int64_t high, std::int64_t& out) {
  if (text.empty() || text.size() > 18) return false;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return false;
  out = value;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace korvane;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() < 2) return usage();
  const std::string_view what = args[0];
  const std::filesystem::path target(args[1]);
  std::int64_t seed = 1, runners = 12, horses = -1;
  std::string name = "race";
  bool seedGiven = false;
  for (std::size_t i = 2; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return usage();
    const std::string_view option = args[i], value = args[i + 1];
    bool ok = true;
    if (option == "--seed") {
      ok = number(value, 0, INT64_MAX, seed);
      seedGiven = true;
    } else if (option == "--runners") {
      ok = number(value, 2, kMaxRunners, runners);
    } else if (option == "--horses") {
      ok = number(value, 0, kMaxHorses, horses);
    } else if (option == "--name") {
      name = value;
      ok = !name.empty() && name.find('/') == std::string::npos;
    } else {
      ok = false;
    }
    if (!ok) return usage();
  }

  AtomicLineWriter writer;
  const auto seed64 = static_cast<std::uint64_t>(seed);
  if (what == "sample") {
    if (!writer.writeLines(target, gen::sampleSetLines(seedGiven ? seed64 : gen::kSampleSeed))) {
      std::cerr << "korvane-gen: cannot write " << target.string() << "\n";
      return 1;
    }
    return 0;
  }
  if (what != "race" && what != "all") return usage();
  std::error_code ec;
  std::filesystem::create_directories(target, ec);

  gen::WorldOptions options;
  options.seed = seed64;
  options.horses = static_cast<int>(horses >= 0 ? horses : (what == "race" ? 40 : 2000));
  const gen::World world = gen::generateWorld(options);
  gen::Rng rng(seed64 ^ 0xCA4Dull);
  gen::CardOptions cardOptions;
  cardOptions.runners = static_cast<int>(runners);
  cardOptions.odds = true;
  cardOptions.scratched = 1;
  cardOptions.disregards = 1;
  const TRaceCard card = gen::makeCard(world, rng, cardOptions);

  bool ok = false;
  if (what == "race") {
    ok = writer.writeLines(target / (name + ".uma"), gen::raceFileLines(world, card));
  } else {
    ok = gen::writeAllHorses(gen::allHorsesFiles(world, card), target, writer);
  }
  if (!ok) {
    std::cerr << "korvane-gen: cannot write into " << target.string() << "\n";
    return 1;
  }
  return 0;
}
