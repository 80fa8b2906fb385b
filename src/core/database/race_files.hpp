#pragma once
// The race card header (lines 1-61 of the main file and of race files), race files and the
// add-load of their horses.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/database/race_card.hpp"
#include "core/database/store_files.hpp"

namespace korvane {

// Reads lines 2-60 into a card (line 1 and line 61 are the caller's). Errors name the line.
std::variant<TRaceCard, LoadError> parseRaceHeader(std::span<const std::string_view> header,
                                                   const std::filesystem::path& file);
// Writes the card into lines 2-60 of `header` (61 lines); lines 1 and 61 are left alone.
void writeRaceHeader(const TRaceCard& card, std::span<std::string> header);

// A race file of the card: the header with every running slot renumbered to its block's position
// in the file, then the blocks of the runners in slot order.
std::vector<std::string> raceFileLines(const HorseStore& store, const TRaceCard& card);
// A race file of `header` (61 lines) followed by the blocks of `horses` in that order; line 61
// gets their number.
std::vector<std::string> raceFileOf(const HorseStore& store, std::vector<std::string> header,
                                    std::span<const int> horses);

// The texts of the horse blocks a race file's text announces on line 61 (as splitBlock reads
// them), once every one is there and its strictly read fields are numbers.
std::variant<std::vector<std::string_view>, LoadError> readRaceFileBlocks(
    std::string_view text, const std::filesystem::path& file);

// What the add-load did with the blocks of a file.
struct AddLoadTally {
  int replaced = 0;  // a stored horse of the same name had older form
  int kept = 0;      // the stored horse had newer form
  int appended = 0;
  int refused = 0;  // no room left below 12000 horses
};

// Merges the checked blocks of a race file into the store; the race card is not touched.
AddLoadTally mergeRaceBlocks(HorseStore& store, std::span<const std::string_view> blocks);

// Reads and checks the whole race file, then merges its horses into the store; a file that cannot
// be read or fails a check adds nothing.
std::variant<AddLoadTally, LoadError> addLoadFile(HorseStore& store,
                                                  const std::filesystem::path& file);

}  // namespace korvane
