#pragma once
// The all-horses file set (全競走馬.um0, 全競走馬2.um0 .. 全競走馬16.um0, 馬並び順.um0) and the
// reading of any file in the main-file form (61 header lines, then 42-line blocks).

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

// Why a file could not be read: the file and, when it applies, its 1-based line.
struct LoadError {
  std::filesystem::path file;
  int line = 0;        // 0 = the file as a whole (missing, unreadable)
  std::string reason;  // cp932
};

// The message window lines for a load error: names the file and the line.
std::vector<std::string> loadErrorMessage(const LoadError& error);

struct LoadedSet {
  HorseStore store;
  TRaceCard card;
};

// Checks `blocks` horse blocks that start at index `first` of a file's lines: every line must be
// Shift-JIS, and the numbers that are read without a fallback (3rd corner, last 3F, finish) must
// be numbers in every run that holds data. The error names the file's line.
std::optional<LoadError> checkHorseBlocks(std::span<const std::string> lines, std::size_t first,
                                          int blocks, const std::filesystem::path& file);

// Reads a main-format file and, as its count needs, the continuation files 全競走馬2.um0 ... from
// `dataFolder`. Recomputes every style line and the odds-derived values. Nothing is changed
// outside; the caller swaps the result in.
std::variant<LoadedSet, LoadError> readPageZeroFile(const std::filesystem::path& file,
                                                    const std::filesystem::path& dataFolder);

// Flows over the program's state. Each shows its own messages and wait window; a failure leaves
// the store and the card exactly as they were and returns false.
bool loadPageZeroFile(AppState& app, const std::filesystem::path& path);
bool loadAllHorses(AppState& app);
bool saveStore(AppState& app);
// False only when the user chose to save and the save failed (the caller should not go on to
// replace the data).
bool askSaveIfModified(AppState& app);
void saveButton(AppState& app);       // 保存
void reloadAllHorses(AppState& app);  // 全競走馬読込

}  // namespace korvane
