#pragma once
// Starting and ending the program: the folders and korvane.ini when the main window is made, the
// first load behind the title window, and the close sequence.

#include <string>

#include "core/app/folder_migration.hpp"

namespace korvane {

struct AppState;

// With app.folders.data (and the desktop) decided: makes RaceFile and CustomFile (moving the
// files of older versions in), points the race and custom folders at them and reads korvane.ini.
// When a folder cannot be made the program cannot start: the result says so and why.
FolderSetup prepareStart(AppState& app);

// True on the first run: the all-horses set is to be loaded but 全競走馬.um0 is not there yet.
bool isFirstRun(const AppState& app);

// The title window's caption: "起動しています　少しお待ち下さい", or on the first run
// "初めての起動ため 設定をしています しばらくお待ちください" (cp932).
std::string titleCaption(bool firstRun);

// What the main window shows after the first load.
struct StartupView {
  bool newHorseEnabled = false;  // horses can be registered only into the all-horses set
  std::string fileLabel;         // FileLbl, cp932
};

// The title window's first tick. `load` on: the all-horses set, or on the first run the sample
// smpuma.um0 (an empty set when it is missing too) as an unsaved all-horses set, so that ending
// the program offers to save it. `load` off, or an all-horses set that cannot be read: an empty
// 新しいレース.uma, so that a damaged all-horses file is never overwritten by a near-empty set.
StartupView loadAtStartup(AppState& app);

// Closing the main window: offers to save a changed store, then writes korvane.ini. Returns false
// (stay open) only when the save the user asked for failed and the user chose not to close and
// lose the changes.
bool closeProgram(AppState& app);

}  // namespace korvane
