#include "core/flows/store_files.hpp"

#include <optional>
#include <utility>
#include <variant>

#include "core/app/app_state.hpp"
#include "core/flows/file_dialogs.hpp"
#include "core/database/store_files.hpp"
#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

void swapIn(AppState& app, LoadedSet&& set) {
  app.store = std::move(set.store);
  app.card = std::move(set.card);
}

std::string editedName(const AppState& app) {
  return app.editingAllHorses() ? sj("全競走馬ファイル") : shownFileName(app.editedFile);
}

void showFirstRunNotice(AppState& app) {
  app.dialogs.message({sj("初めての起動なので、"), sj("全競走馬ファイルが作られていません。"),
                       sj("「コルバン」を終了するときに、"),
                       sj("全競走馬を保存するか聞いてきますので、"),
                       sj("「はい」ボタンを押して保存して下さい。"),
                       sj("そうすると、全競走馬ファイルが作られます。")});
}

}  // namespace

bool loadPageZeroFile(AppState& app, const fs::path& path) {
  const fs::path file = path == allHorsesFileName() ? app.folders.data / path : path;
  // The main file of a set is read only once a save that was stopped midway is finished.
  if (file.filename() == allHorsesFileName()) {
    if (auto error = finishInterruptedSetSave(file.parent_path(), app.writer)) {
      app.dialogs.message(loadErrorMessage(*error));
      return false;
    }
  }
  auto result = readPageZeroFile(file, app.folders.data);
  if (auto* error = std::get_if<LoadError>(&result)) {
    app.dialogs.message(loadErrorMessage(*error));
    return false;
  }
  swapIn(app, std::get<LoadedSet>(std::move(result)));
  return true;
}

bool loadAllHorses(AppState& app) {
  auto result = readAllHorses(app.folders.data, app.writer);
  if (auto* error = std::get_if<LoadError>(&result)) {
    app.dialogs.message(loadErrorMessage(*error));
    return false;
  }
  swapIn(app, std::get<LoadedSet>(std::move(result)));
  app.editedFile = allHorsesFileName();
  return true;
}

bool saveStore(AppState& app) {
  WaitWindow wait(app.dialogs, sj("      データを保存しています"));
  const SetSave save =
      writeStore(app.writer, app.folders.data, app.editedFile, app.store, app.card);
  if (!save.failed.empty()) {
    app.dialogs.message(notSavedMessage(save));
    return false;
  }
  app.store.modified = false;
  return true;
}

bool askSaveIfModified(AppState& app) {
  if (!app.store.modified) return true;
  if (!app.dialogs.confirm(editedName(app), sj("は変更されています。保存しますか？"))) return true;
  return saveStore(app);
}

void saveButton(AppState& app) {
  if (app.dialogs.confirm(editedName(app) + sj("を"), sj("上書き保存します。"))) saveStore(app);
}

void reloadAllHorses(AppState& app) {
  if (!app.editingAllHorses()) {
    // The changes to the race file are saved if the user wants; a failed save stops the reload
    // rather than throw the changes away.
    if (!askSaveIfModified(app)) return;
    if (!allHorsesFileExists(app.folders.data)) {
      showFirstRunNotice(app);
      return;
    }
  } else {
    if (!allHorsesFileExists(app.folders.data)) {
      showFirstRunNotice(app);
      return;
    }
    if (!app.dialogs.confirm(sj("全競走馬"), sj("を読込直します。よろしいですか？"))) return;
  }

  std::variant<LoadedSet, LoadError> result = [&] {
    WaitWindow wait(app.dialogs, sj("    データを読み込んでいます"));
    return readAllHorses(app.folders.data, app.writer);
  }();
  if (auto* error = std::get_if<LoadError>(&result)) {
    app.dialogs.message(loadErrorMessage(*error));
    return;
  }
  swapIn(app, std::get<LoadedSet>(std::move(result)));
  app.editedFile = allHorsesFileName();
  app.currentHorse = 0;
  app.selectedSlot = 0;
}

}  // namespace korvane
