#include "core/app/folder_migration.hpp"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

// Files brought over from Windows may carry their extension in capitals.
bool hasExtension(const fs::path& file, std::string_view extension) {
  const std::string ext = file.extension().string();
  return std::equal(ext.begin(), ext.end(), extension.begin(), extension.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

// Never replaces anything: on this system a rename would silently overwrite a file of the same
// name, where the old program's move refused.
void moveInto(const fs::path& item, const fs::path& folder) {
  std::error_code ec;
  const fs::path target = folder / item.filename();
  if (fs::exists(fs::symlink_status(target, ec))) return;
  fs::rename(item, target, ec);
}

std::vector<fs::path> itemsOf(const fs::path& folder, bool folders, std::string_view extension) {
  std::vector<fs::path> items;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind;
    if (folders ? it->is_directory(kind)
                : it->is_regular_file(kind) && hasExtension(it->path(), extension)) {
      items.push_back(it->path());
    }
  }
  return items;
}

// True when the folder stands (or was just made); nothing else of that name may block it.
bool makeFolder(const fs::path& folder, bool& created) {
  std::error_code ec;
  created = false;
  if (fs::is_directory(folder, ec)) return true;
  if (fs::exists(fs::symlink_status(folder, ec))) return false;
  created = fs::create_directory(folder, ec);
  return created;
}

}  // namespace

std::vector<std::string> cannotCreateFolderMessage(const fs::path& folder) {
  return {sj("フォルダ「") + utf8ToCp932Lossy(folder.string()) + sj("」を作れませんでした。"),
          sj("フォルダに書き込めるかを確かめて下さい。"), sj("「コルバン」を起動できません。")};
}

FolderSetup prepareFolders(const fs::path& dataFolder) {
  FolderSetup setup;
  setup.race = dataFolder / "RaceFile";
  setup.custom = dataFolder / "CustomFile";

  bool created = false;
  if (!makeFolder(setup.race, created)) {
    setup.ok = false;
    setup.message = cannotCreateFolderMessage(setup.race);
    return setup;
  }
  if (created) {
    for (const fs::path& file : itemsOf(dataFolder, false, ".uma")) moveInto(file, setup.race);
    for (const fs::path& folder : itemsOf(dataFolder, true, {})) {
      // The custom files have their own folder; moving it under the races would hide them.
      // Hidden folders belong to the desktop or to an interrupted save, never to races.
      const std::string name = folder.filename().string();
      if (name == "RaceFile" || name == "CustomFile" || name.starts_with('.')) continue;
      moveInto(folder, setup.race);
    }
  }

  if (!makeFolder(setup.custom, created)) {
    setup.ok = false;
    setup.message = cannotCreateFolderMessage(setup.custom);
    return setup;
  }
  if (created) {
    for (const fs::path& file : itemsOf(dataFolder, false, ".umc")) moveInto(file, setup.custom);
  }
  return setup;
}

}  // namespace korvane
