#pragma once
// The all-horses file set (全競走馬.um0, 全競走馬2.um0 .. 全競走馬16.um0, 馬並び順.um0) and the
// reading of any file in the main-file form (61 header lines, then 42-line blocks).

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "core/text/file_set.hpp"
#include "core/text/line_file.hpp"

namespace korvane {

// Why a file could not be read: the file and, when it applies, its 1-based line.
struct LoadError {
  std::filesystem::path file;
  int line = 0;        // 0 = the file as a whole (missing, unreadable)
  std::string reason;  // cp932
};

// The load error of a file that could not be read at all, with the system's reason.
LoadError unreadableFile(const std::filesystem::path& file, ReadFault fault, int systemError = 0);

// The message window lines for a load error: names the file and the line.
std::vector<std::string> loadErrorMessage(const LoadError& error);

// The main file of the all-horses set, inside the data folder; also the name under which the set
// is edited (as opposed to a race file's full path).
const std::filesystem::path& allHorsesFileName();  // "全競走馬.um0"
bool allHorsesFileExists(const std::filesystem::path& dataFolder);

struct LoadedSet {
  HorseStore store;
  TRaceCard card;
};

// The 61 header lines of a main-format file from the cursor on, or the fault of a file that ends
// before them.
std::variant<std::vector<std::string_view>, LoadError> readHeaderLines(
    LineCursor& cursor, const std::filesystem::path& file);

// One horse block as the reader finds it in a file's text: where each of its 42 lines ends. It is
// handed over while the cursor stands right after it.
class ReadBlock {
 public:
  ReadBlock(const LineCursor& cursor, std::size_t from,
            const std::array<std::size_t, kBlockLines>& ends)
      : cursor_(cursor), from_(from), ends_(ends) {}
  // Its lines with their ends, as splitBlock reads them.
  std::string_view text() const {
    return cursor_.text().substr(from_, cursor_.offset() - from_);
  }
  // Line i + 1 of the block, without its end.
  std::string_view operator[](std::size_t i) const {
    return cursor_.lineBetween(i == 0 ? from_ : ends_[i - 1] + 1, ends_[i]);
  }
  // The corners lines of the five runs, run 1 first.
  std::array<std::string_view, kRuns> corners() const;

 private:
  const LineCursor& cursor_;
  std::size_t from_;
  const std::array<std::size_t, kBlockLines>& ends_;
};

// Reads `blocks` horse blocks of a file from the cursor on, the next line being the file's line
// `firstLine` + 1. Every block's 42 lines must be there and be Shift-JIS, and the numbers that are
// read without a fallback (3rd corner, last 3F, finish) must be numbers in every run that holds
// data. The error names the file's line; the horses are checked in file order, each one's bytes
// before its numbers. Each block, once checked, goes to `take`.
using TakeBlock = std::function<void(const ReadBlock& block)>;
std::optional<LoadError> readHorseBlocks(LineCursor& cursor, std::size_t firstLine, int blocks,
                                         const std::filesystem::path& file,
                                         const TakeBlock& take = {});

// Reads a main-format file and, as its count needs, the continuation files 全競走馬2.um0 ... from
// `dataFolder`. Recomputes every style line and the odds-derived values. Nothing is changed
// outside; the caller swaps the result in.
std::variant<LoadedSet, LoadError> readPageZeroFile(const std::filesystem::path& file,
                                                    const std::filesystem::path& dataFolder);

// Finishes a save of the set that a kill or a failure left committed but not in place, or
// discards an uncommitted one; the error names a file that could not be put in place (the set
// must then not be read: it would be a mix of two saves).
std::optional<LoadError> finishInterruptedSetSave(const std::filesystem::path& dataFolder,
                                                  LineWriter& writer);

// Reads the all-horses set of `dataFolder` with its order file (rebuilt from the names when the
// order file does not list every horse once), after finishInterruptedSetSave.
std::variant<LoadedSet, LoadError> readAllHorses(const std::filesystem::path& dataFolder,
                                                 LineWriter& writer);

// Writes the card into the store's header and the store to its files: the all-horses set into
// `dataFolder` when `editedFile` is allHorsesFileName(), else the one race file `editedFile` with
// every horse. The set is saved as one transaction (file_set.hpp); a race file atomically.
SetSave writeStore(LineWriter& writer, const std::filesystem::path& dataFolder,
                   const std::filesystem::path& editedFile, HorseStore& store,
                   const TRaceCard& card);

}  // namespace korvane
