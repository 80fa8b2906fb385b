#pragma once
// The race card header (lines 1-61 of the main file and of race files) and the race-file flows.

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "database/race_card.hpp"
#include "database/store_files.hpp"

namespace korvane {

struct AppState;

// Reads lines 2-60 into a card (line 1 and line 61 are the caller's). Errors name the line.
std::variant<TRaceCard, LoadError> parseRaceHeader(std::span<const std::string> header,
                                                   const std::filesystem::path& file);
// Writes the card into lines 2-60 of `header` (61 lines); lines 1 and 61 are left alone.
void writeRaceHeader(const TRaceCard& card, std::span<std::string> header);

// レース保存, レース読込, 追加読込.
bool saveRace(AppState& app);
bool loadRace(AppState& app);
bool addLoadRace(AppState& app);

}  // namespace korvane
