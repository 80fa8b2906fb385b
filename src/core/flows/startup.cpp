#include "core/flows/startup.hpp"

#include <system_error>

#include "core/app/app_state.hpp"
#include "core/app/settings_file.hpp"
#include "core/custom/custom_file.hpp"
#include "core/database/store_edit.hpp"
#include "core/database/store_files.hpp"
#include "core/flows/settings.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

bool fileExists(const fs::path& file) {
  std::error_code ec;
  return fs::is_regular_file(file, ec);
}

void startNewRace(AppState& app) {
  app.store = HorseStore();
  app.card = TRaceCard();
  app.editedFile = app.folders.data / u8"新しいレース.uma";
}

void startFromSample(AppState& app) {
  const fs::path sample = app.folders.data / "smpuma.um0";
  if (!fileExists(sample) || !loadPageZeroFile(app, sample)) {
    app.store = HorseStore();
    app.card = TRaceCard();
  }
  app.editedFile = allHorsesFileName();
  sortOrderByName(app.store);
  app.store.modified = true;
}

}  // namespace

FolderSetup prepareStart(AppState& app) {
  FolderSetup setup = prepareFolders(app.folders.data);
  if (!setup.ok) return setup;
  app.folders.race = setup.race;
  app.folders.custom = setup.custom;
  // A save that a kill interrupted after its commit is finished before anything looks at the
  // set (the first-run test included); what cannot be finished, the first load reports.
  finishInterruptedSetSave(app.folders.data, app.writer);
  app.settings = readSettingsFile(settingsFilePath(app.folders.data));
  return setup;
}

bool isFirstRun(const AppState& app) {
  return app.settings.load && !fileExists(app.folders.data / allHorsesFileName());
}

std::string titleCaption(bool firstRun) {
  return firstRun ? sj("初めての起動ため 設定をしています しばらくお待ちください")
                  : sj("起動しています　少しお待ち下さい");
}

StartupView loadAtStartup(AppState& app) {
  app.custom.file = newCustomFileName();
  if (!app.settings.load) {
    startNewRace(app);
  } else if (isFirstRun(app)) {
    startFromSample(app);
  } else if (!loadAllHorses(app)) {
    startNewRace(app);
    app.dialogs.message({sj("全競走馬ファイルを読み込めなかったので、"),
                         sj("新しいレースで起動しました。"),
                         sj("ファイルを直してから「全競走馬読込」をして下さい。")});
  }
  app.currentHorse = 0;
  app.selectedSlot = 0;
  return StartupView{app.editingAllHorses(), app.fileLabel()};
}

bool closeProgram(AppState& app) {
  if (!askSaveIfModified(app) &&
      !app.dialogs.confirm(sj("変更を保存できませんでした。"), sj("保存せずに終了しますか？"))) {
    return false;
  }
  writeSettingsFile(app);
  return true;
}

}  // namespace korvane
