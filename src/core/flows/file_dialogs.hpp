#pragma once
// The file dialogs of the race and custom files: the name as typed completed to a file of the
// right kind, and the messages when it is not one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/dialogs.hpp"

namespace korvane {

// Asks for a file to read; a bare name lies in the request's folder, and a name typed without
// `extension` gets it unless only the name as typed is there. Nothing after a cancel or a name
// that is not there (the message is shown).
std::optional<std::filesystem::path> askFileToRead(Dialogs& dialogs,
                                                   const FileDialogRequest& request,
                                                   std::string_view extension);

// Asks for a file to write, completed the same way. Nothing after a cancel, a name with another
// extension (`wrongExtension` is shown) or a refused overwrite of the file the completed name
// became.
std::optional<std::filesystem::path> askFileToWrite(Dialogs& dialogs,
                                                    const FileDialogRequest& request,
                                                    std::string_view extension,
                                                    const std::vector<std::string>& wrongExtension);

}  // namespace korvane
