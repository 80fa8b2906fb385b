#pragma once
// The files of a generated world, as the exact lines the program reads: the 61-line race header,
// the main file with its continuation pages and order file, race files; and the same data as a
// loaded store, for tests and benchmarks that skip the disk.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "generator/world.hpp"
#include "core/text/line_file.hpp"

namespace korvane::gen {

inline constexpr std::string_view kFirstRunBanner = "KORVANE DATA 1998-2006";
inline constexpr std::string_view kRaceFileBanner = "KORVANE DATA 1998-2009";

// The 61 header lines of a card whose runner slots hold the given numbers as they are.
std::vector<std::string> headerLines(const TRaceCard& card, std::string_view banner,
                                     int blockCount);

struct AllHorsesFiles {
  // pages[0] is 全競走馬.um0 (header and horses 1..750); pages[p] is 全競走馬<p+1>.um0.
  std::vector<std::vector<std::string>> pages;
  std::vector<std::string> order;  // 馬並び順.um0: horse indexes by display name
};

// The all-horses set of the world with the card (over the world's horse indexes) in its header.
AllHorsesFiles allHorsesFiles(const World& world, const TRaceCard& card,
                              std::string_view banner = kFirstRunBanner);

// A race file: the header with the runners renumbered 1, 2, 3 ... in slot order (0 for a
// scratched slot) and their blocks.
std::vector<std::string> raceFileLines(const World& world, const TRaceCard& card);

// File names of the set (UTF-8 paths).
std::filesystem::path mainFileName();                  // 全競走馬.um0
std::filesystem::path continuationFileName(int page);  // page 1 -> 全競走馬2.um0
std::filesystem::path orderFileName();                 // 馬並び順.um0

// Writes the set into the folder. False when a file could not be written.
bool writeAllHorses(const AllHorsesFiles& files, const std::filesystem::path& folder,
                    LineWriter& writer);

// A full database written into the folder: 12000 horses with five runs each and a card over
// them, the set the benchmarks load and save. False when a file could not be written.
bool writeFullSet(const std::filesystem::path& folder, LineWriter& writer);

// What loading the race file of the card gives: a store of the runners' blocks and the card
// with its slots pointing at them.
struct RaceSet {
  HorseStore store;
  TRaceCard card;
};
RaceSet raceSet(const World& world, const TRaceCard& card);

}  // namespace korvane::gen
