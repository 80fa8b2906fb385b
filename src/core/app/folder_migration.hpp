#pragma once
// The RaceFile and CustomFile folders of the data folder. Older versions kept race files, their
// own sub-folders of races and the custom marking files beside the program; on the first start
// without these folders they are moved in.

#include <filesystem>
#include <string>
#include <vector>

namespace korvane {

struct FolderSetup {
  bool ok = true;
  std::filesystem::path race;    // dataFolder / "RaceFile"
  std::filesystem::path custom;  // dataFolder / "CustomFile"
  // When !ok: the message window lines (cp932) naming the folder that could not be made. The
  // program cannot go on without it.
  std::vector<std::string> message;
};

// Creates a missing RaceFile folder and moves every *.uma file and every other sub-folder of the
// data folder into it; creates a missing CustomFile folder and moves every *.umc file into it.
// A move that fails, or whose name is already taken in the new folder, is skipped and the item
// stays where it was.
FolderSetup prepareFolders(const std::filesystem::path& dataFolder);

// The message that stops the start when a folder the program needs cannot be created.
std::vector<std::string> cannotCreateFolderMessage(const std::filesystem::path& folder);

}  // namespace korvane
