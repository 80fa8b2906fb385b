#include "gui/platform/folders.hpp"

#include <QDir>
#include <QStandardPaths>
#include <system_error>

#include "core/app/app_state.hpp"
#include "core/app/folder_migration.hpp"
#include "core/flows/startup.hpp"
#include "gui/platform/qt_text.hpp"

namespace korvane::gui {

namespace fs = std::filesystem;

namespace {

bool isFile(const fs::path& file) {
  std::error_code ec;
  return fs::is_regular_file(file, ec);
}

bool isFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

}  // namespace

fs::path dataFolderFor(const fs::path& executableFolder) {
  if (isFile(executableFolder / "korvane.ini")) return executableFolder;
  return pathFromQt(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) /
         "korvane";
}

fs::path sampleSetFor(const fs::path& executableFolder) {
  const fs::path candidates[] = {
      executableFolder / ".." / "share" / "korvane" / "smpuma.um0",  // an installed tree, moved
      fs::path(KORVANE_SHARE_DIR) / "smpuma.um0",
      fs::path(KORVANE_SOURCE_DATA_DIR) / "smpuma.um0",
  };
  for (const fs::path& candidate : candidates) {
    if (isFile(candidate)) return candidate.lexically_normal();
  }
  return {};
}

bool provideDataFolder(const fs::path& dataFolder, const fs::path& sampleSet) {
  std::error_code ec;
  fs::create_directories(dataFolder, ec);
  if (!isFolder(dataFolder)) return false;
  const fs::path sample = dataFolder / "smpuma.um0";
  if (!sampleSet.empty() && !isFile(sample) && !isFile(dataFolder / allHorsesFileName())) {
    // Without it the first run starts empty, which is still a working program: no error.
    fs::copy_file(sampleSet, sample, ec);
  }
  return true;
}

fs::path desktopFolder() {
  const fs::path desktop =
      pathFromQt(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
  if (!desktop.empty() && isFolder(desktop)) return desktop;
  return pathFromQt(QDir::homePath());
}

FolderSetup startFolders(AppState& app, const fs::path& executableFolder) {
  app.folders.data = dataFolderFor(executableFolder);
  app.folders.desktop = desktopFolder();
  if (!provideDataFolder(app.folders.data, sampleSetFor(executableFolder))) {
    FolderSetup failed;
    failed.ok = false;
    failed.message = cannotCreateFolderMessage(app.folders.data);
    return failed;
  }
  return prepareStart(app);
}

}  // namespace korvane::gui
