#pragma once
// Where the program keeps its data on this desktop: beside the executable when a korvane.ini
// stands there (a portable copy on a stick), else in the user's data folder, which the first
// start creates with the sample horses in it.

#include <filesystem>

#include "core/app/folder_migration.hpp"

namespace korvane {
struct AppState;
}

namespace korvane::gui {

// The executable's folder when it holds korvane.ini, else $XDG_DATA_HOME/korvane
// (~/.local/share/korvane).
std::filesystem::path dataFolderFor(const std::filesystem::path& executableFolder);

// The sample set shipped with the program: the installed share/korvane folder, or, run from the
// build tree, the source's data folder. Empty when none is found.
std::filesystem::path sampleSetFor(const std::filesystem::path& executableFolder);

// Creates the data folder when missing and, as long as no all-horses set has been saved there,
// puts the sample set in for the first run. False when the folder cannot be made.
bool provideDataFolder(const std::filesystem::path& dataFolder,
                       const std::filesystem::path& sampleSet);

// The user's desktop, for the output files; the home folder when there is none.
std::filesystem::path desktopFolder();

// Everything the start needs from the folders: decides the data and desktop folders, provides
// the data folder, moves older files into RaceFile and CustomFile and reads korvane.ini. When it
// fails the program cannot start; the result carries the message.
FolderSetup startFolders(AppState& app, const std::filesystem::path& executableFolder);

}  // namespace korvane::gui
