#include "core/database/race_files.hpp"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "core/app/app_state.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/encoding.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRaceExtension = ".uma";
constexpr int kFirstRunnerLine = 7;  // header lines 7-24: the horse of each slot

// The file name as the message window shows it.
std::string shownName(const fs::path& file) {
  return utf8ToCp932Lossy(file.filename().string());
}

FileDialogRequest raceFileRequest(const AppState& app, std::string title) {
  FileDialogRequest request;
  request.title = std::move(title);
  request.filter = sj("コルバンレースファイル(*.uma)|*.uma");
  request.defaultExtension = "uma";
  request.folder = app.folders.race;
  return request;
}

fs::path completeRacePath(const AppState& app, const fs::path& chosen, bool& extensionAdded) {
  return completeChosenPath(app.folders.race, chosen, kRaceExtension, extensionAdded);
}

bool fileExists(const fs::path& file) {
  std::error_code error;
  return fs::exists(file, error);
}

void tooManyHorses(Dialogs& dialogs) {
  dialogs.message(tooManyHorsesMessage());
}

// Asks for a race file to read; nothing when the user cancels or names a file that is not there.
std::optional<fs::path> askRaceFileToRead(AppState& app, std::string title) {
  const std::optional<fs::path> chosen =
      app.dialogs.openFile(raceFileRequest(app, std::move(title)));
  if (!chosen) return std::nullopt;
  bool extensionAdded = false;
  fs::path file = completeRacePath(app, *chosen, extensionAdded);
  // A file whose real name has no extension may be meant as typed.
  if (extensionAdded && !fileExists(file)) {
    const fs::path asTyped = chosen->is_relative() ? app.folders.race / *chosen : *chosen;
    if (fileExists(asTyped)) file = asTyped;
  }
  if (!fileExists(file)) {
    app.dialogs.message({sj("指定されたファイル名は、存在しません。")});
    return std::nullopt;
  }
  return file;
}

// ---- the add-load ----

// The meeting months (YYMM) of the runs a block really has, most recent first.
std::vector<std::string_view> presentMonths(std::span<const std::string> block) {
  static const std::string noRun = sj("無");
  std::vector<std::string_view> months;
  for (int r = 1; r <= kRuns; ++r) {
    if (block[runLine(r, RunField::Surface) - 1] == noRun) continue;
    const std::string_view courseDate = block[runLine(r, RunField::CourseDate) - 1];
    months.push_back(courseDate.size() > 2 ? courseDate.substr(2, 4) : std::string_view());
  }
  return months;
}

int twoDigitYear(std::string_view month) {
  return parseLenient(month.substr(0, 2));
}

// Whether the file's block carries newer form than the stored horse: the first meeting month in
// which the two histories part decides, with two-digit years read in a 50-year window.
bool fileIsNewer(std::span<const std::string> fileBlock, std::span<const std::string> stored) {
  static constexpr std::string_view kNoDate = "0000";
  const std::vector<std::string_view> file = presentMonths(fileBlock);
  const std::vector<std::string_view> kept = presentMonths(stored);
  std::size_t i = 0;
  while (i < file.size() && i < kept.size() && file[i] == kept[i]) ++i;
  const std::string_view f = i < file.size() ? file[i] : kNoDate;
  const std::string_view d = i < kept.size() ? kept[i] : kNoDate;
  if (d == kNoDate) return true;
  if (f == kNoDate) return false;
  const int fy = twoDigitYear(f), dy = twoDigitYear(d);
  if (fy == dy) return f > d;
  return (dy < fy && fy < dy + 50) || fy < dy - 50;
}

// The name by which a block is matched: line 1 bytes 1-18 in stored form.
std::string matchName(std::string_view identity) {
  return storedName(identity.substr(0, std::min<std::size_t>(identity.size(), 18)));
}

}  // namespace

std::optional<fs::path> askRaceSavePath(AppState& app, const fs::path& proposedName) {
  FileDialogRequest request =
      raceFileRequest(app, sj("レースファイル保存（ファイル名の「.uma」は省略できます）"));
  request.proposedName = proposedName;
  request.overwritePrompt = true;
  const std::optional<fs::path> chosen = app.dialogs.saveFile(request);
  if (!chosen) return std::nullopt;
  bool extensionAdded = false;
  const fs::path file = completeRacePath(app, *chosen, extensionAdded);
  if (file.extension() != kRaceExtension) {
    app.dialogs.message(
        {sj("拡張子が「.uma」ではありません。"), sj("拡張子を「.uma」にするか、省略して下さい。")});
    return std::nullopt;
  }
  // The dialog asked about the name as typed; the race file it becomes may already be there.
  if (extensionAdded && fileExists(file) &&
      !app.dialogs.confirm(shownName(file) + sj("は既にあります。"), sj("上書きしますか？"))) {
    return std::nullopt;
  }
  return file;
}

std::vector<std::string> raceFileLines(const HorseStore& store, const TRaceCard& card) {
  std::vector<std::string> lines = emptyRaceHeader("KORVANE DATA 1998-2009");
  writeRaceHeader(card, lines);
  // In a race file a slot points at its runner's block inside the file, counted in slot order.
  std::vector<int> horses;
  for (int k = 1; k <= kMaxRunners; ++k) {
    const int n = k <= card.runnerCount ? card.runner[k] : 0;
    // A slot that points past the store has no block to copy; it goes out as scratched.
    const bool runs = n >= 1 && n <= store.count;
    if (runs) horses.push_back(n);
    lines[kFirstRunnerLine + k - 2] = runs ? std::to_string(static_cast<int>(horses.size())) : "0";
  }
  lines[kHeaderLines - 1] = std::to_string(static_cast<int>(horses.size()));
  lines.reserve(kHeaderLines + horses.size() * kBlockLines);
  for (int n : horses) {
    const std::span<const std::string> block = store.block(n);
    lines.insert(lines.end(), block.begin(), block.end());
  }
  return lines;
}

bool saveRace(AppState& app) {
  const fs::path proposed =
      app.editingAllHorses() ? fs::path(u8"新しいレース.uma") : app.editedFile.filename();
  const std::optional<fs::path> file = askRaceSavePath(app, proposed);
  if (!file) return false;

  bool written = false;
  {
    WaitWindow wait(app.dialogs, sj(" レースデータを保存しています"));
    written = app.writer.writeLines(*file, raceFileLines(app.store, app.card));
  }
  if (!written) {
    app.dialogs.message({sj("「") + shownName(*file) + sj("」に保存できませんでした。"),
                         sj("ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。")});
    return false;
  }
  app.folders.race = file->parent_path();
  return true;
}

bool loadRace(AppState& app) {
  // A save that the user asked for and that failed must not be followed by throwing the changes
  // away.
  if (!askSaveIfModified(app)) return false;
  const std::optional<fs::path> file = askRaceFileToRead(app, sj("レースファイル読込"));
  if (!file) return false;

  std::variant<LoadedSet, LoadError> read;
  {
    WaitWindow wait(app.dialogs, sj("    データを読み込んでいます"));
    read = readPageZeroFile(*file, app.folders.data);
    if (LoadedSet* set = std::get_if<LoadedSet>(&read)) {
      app.store = std::move(set->store);
      app.card = std::move(set->card);
      app.store.modified = false;
      app.editedFile = *file;
      app.folders.race = file->parent_path();
      sortOrderByName(app.store);
    }
  }
  if (const LoadError* error = std::get_if<LoadError>(&read)) {
    app.dialogs.message(loadErrorMessage(*error));
    return false;
  }
  app.currentHorse = 0;
  app.selectedSlot = 0;
  return true;
}

std::variant<int, LoadError> checkRaceFileBlocks(std::span<const std::string> lines,
                                                 const fs::path& file) {
  const auto fault = [&](int line, std::string reason) {
    return LoadError{file, line, std::move(reason)};
  };
  const std::string notANumber = sj("数字ではありません。");
  if (lines.size() < static_cast<std::size_t>(kHeaderLines)) {
    return fault(static_cast<int>(lines.size()) + 1, sj("ファイルが途中で終わっています。"));
  }
  const std::optional<int> count = parseStrict(lines[kHeaderLines - 1]);
  if (!count) return fault(kHeaderLines, notANumber);
  const std::size_t available = (lines.size() - kHeaderLines) / kBlockLines;
  if (static_cast<std::size_t>(*count) > available) {
    return fault(static_cast<int>(lines.size()) + 1, sj("ファイルが途中で終わっています（") +
                                                         std::to_string(*count) +
                                                         sj("頭分の競走馬データが必要です）。"));
  }

  if (auto error = checkHorseBlocks(lines, kHeaderLines, *count, file)) return std::move(*error);
  return *count;
}

AddLoadTally mergeRaceBlocks(HorseStore& store, std::span<const std::string> lines, int blocks) {
  AddLoadTally tally;
  // The first stored horse of every name, so that a name is found without a scan of the store.
  std::unordered_map<std::string, int> byName;
  byName.reserve(static_cast<std::size_t>(store.count + blocks));
  for (int n = 1; n <= store.count; ++n) byName.emplace(matchName(store.line(n, 1)), n);

  for (int b = 0; b < blocks; ++b) {
    const std::span<const std::string> block =
        lines.subspan(kHeaderLines + static_cast<std::size_t>(b) * kBlockLines, kBlockLines);
    const std::span<const std::string> record = block.first(kRecordLines);
    const std::string name = matchName(block[0]);
    if (const auto found = byName.find(name); found != byName.end()) {
      if (fileIsNewer(block, store.block(found->second))) {
        replaceHorse(store, found->second, record);
        ++tally.replaced;
      } else {
        ++tally.kept;
      }
      continue;
    }
    if (store.count >= kMaxHorses) {
      ++tally.refused;
      continue;
    }
    byName.emplace(name, appendHorse(store, record));
    ++tally.appended;
  }
  store.headerLine(kHeaderLines) = std::to_string(store.count);
  return tally;
}

bool addLoadRace(AppState& app) {
  if (app.store.count >= kMaxHorses) {
    tooManyHorses(app.dialogs);
    return false;
  }
  const std::optional<fs::path> file = askRaceFileToRead(app, sj("レースファイル追加読込"));
  if (!file) return false;

  std::optional<LoadError> error;
  AddLoadTally tally;
  {
    WaitWindow wait(app.dialogs, sj("    データを読み込んでいます"));
    // The whole file is read and checked before the store changes, so a damaged file adds
    // nothing rather than half of its horses.
    const std::optional<std::vector<std::string>> lines = readLines(*file);
    if (!lines) {
      error = LoadError{*file, 0, sj("ファイルを読み込めませんでした。")};
    } else {
      std::variant<int, LoadError> checked = checkRaceFileBlocks(*lines, *file);
      if (LoadError* fault = std::get_if<LoadError>(&checked)) {
        error = std::move(*fault);
      } else {
        app.folders.race = file->parent_path();
        tally = mergeRaceBlocks(app.store, *lines, std::get<int>(checked));
        app.store.modified = true;
        app.currentHorse = 0;
        app.selectedSlot = 0;
      }
    }
  }
  if (error) {
    app.dialogs.message(loadErrorMessage(*error));
    return false;
  }
  // Horses that found no room must not vanish unnoticed.
  if (tally.refused > 0) {
    app.dialogs.message({sj("登録馬が12000頭に達したため、"),
                         std::to_string(tally.refused) + sj("頭は読み込めませんでした。"),
                         sj("古い馬を削除してから、もう一度追加読込して下さい。")});
  }
  return true;
}

}  // namespace korvane
