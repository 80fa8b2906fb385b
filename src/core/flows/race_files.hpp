#pragma once
// レース保存, レース読込 and 追加読込 of the main window.

#include <filesystem>
#include <optional>

namespace korvane {

struct AppState;

bool saveRace(AppState& app);
bool loadRace(AppState& app);
bool addLoadRace(AppState& app);

// The race-file save dialog, also used when old horses are moved out: the chosen path with ".uma"
// added to a bare name, or nothing after a cancel or a refused name (the message is shown).
std::optional<std::filesystem::path> askRaceSavePath(AppState& app,
                                                     const std::filesystem::path& proposedName);

}  // namespace korvane
