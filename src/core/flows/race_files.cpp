#include "core/flows/race_files.hpp"

#include <utility>
#include <variant>

#include "core/app/app_state.hpp"
#include "core/flows/file_dialogs.hpp"
#include "core/database/race_files.hpp"
#include "core/database/store_edit.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

FileDialogRequest raceFileRequest(const AppState& app, std::string title) {
  FileDialogRequest request;
  request.title = std::move(title);
  request.filter = sj("コルバンレースファイル(*.uma)|*.uma");
  request.defaultExtension = "uma";
  request.folder = app.folders.race;
  return request;
}

std::optional<fs::path> askRaceFileToRead(AppState& app, std::string title) {
  return askOpenFile(app.dialogs, raceFileRequest(app, std::move(title)));
}

}  // namespace

std::optional<fs::path> askRaceSavePath(AppState& app, const fs::path& proposedName) {
  FileDialogRequest request =
      raceFileRequest(app, sj("レースファイル保存（ファイル名の「.uma」は省略できます）"));
  request.proposedName = proposedName;
  request.overwritePrompt = true;
  return askSaveFile(
      app.dialogs, request,
      {sj("拡張子が「.uma」ではありません。"), sj("拡張子を「.uma」にするか、省略して下さい。")});
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
    app.dialogs.message(notSavedMessage(*file));
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

bool addLoadRace(AppState& app) {
  if (app.store.count >= kMaxHorses) {
    app.dialogs.message(tooManyHorsesMessage());
    return false;
  }
  const std::optional<fs::path> file = askRaceFileToRead(app, sj("レースファイル追加読込"));
  if (!file) return false;

  std::variant<AddLoadTally, LoadError> added;
  {
    WaitWindow wait(app.dialogs, sj("    データを読み込んでいます"));
    added = addLoadFile(app.store, *file);
  }
  if (const LoadError* error = std::get_if<LoadError>(&added)) {
    app.dialogs.message(loadErrorMessage(*error));
    return false;
  }
  app.folders.race = file->parent_path();
  app.store.modified = true;
  app.currentHorse = 0;
  app.selectedSlot = 0;
  // Horses that found no room must not vanish unnoticed.
  const AddLoadTally& tally = std::get<AddLoadTally>(added);
  if (tally.refused > 0) {
    app.dialogs.message({sj("登録馬が12000頭に達したため、"),
                         std::to_string(tally.refused) + sj("頭は読み込めませんでした。"),
                         sj("古い馬を削除してから、もう一度追加読込して下さい。")});
  }
  return true;
}

}  // namespace korvane
