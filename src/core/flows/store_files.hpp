#pragma once
// The horse data of the program: the all-horses set or a race file loaded, saved, and asked to be
// saved before it is replaced. Each flow shows its own messages and wait window; a failure leaves
// the store and the card exactly as they were and returns false.

#include <filesystem>

namespace korvane {

struct AppState;

// Reads a main-format file (the all-horses set's main file by its bare name) into the store and
// the card.
bool loadPageZeroFile(AppState& app, const std::filesystem::path& path);
bool loadAllHorses(AppState& app);
bool saveStore(AppState& app);
// False only when the user chose to save and the save failed (the caller should not go on to
// replace the data).
bool askSaveIfModified(AppState& app);
void saveButton(AppState& app);       // 保存
void reloadAllHorses(AppState& app);  // 全競走馬読込

}  // namespace korvane
