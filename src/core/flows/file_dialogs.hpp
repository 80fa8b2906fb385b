#pragma once
// The file dialogs of the program: the name as typed completed as the program completes every
// typed name, and the message of a save that failed.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/dialogs.hpp"
#include "core/text/file_set.hpp"

namespace korvane {

// Shows the open dialog and returns the full path of the file to read. A bare name lies in the
// request's folder and gets the default extension when it has none, unless only the name as typed
// is there. Nothing after a cancel or a name that is not there (the message is shown).
std::optional<std::filesystem::path> askOpenFile(Dialogs& dialogs,
                                                 const FileDialogRequest& request);

// Shows the save dialog and returns the full path of the file to write, or nothing on cancel.
// A bare name lies in the request's folder and gets the default extension when it has none;
// since the dialog only asked about the name as typed, a completed name that is already taken
// is confirmed with "… は既にあります。" / "上書きしますか？". Where a file must have the default
// extension, a name with another one shows `wrongExtension` and gives nothing.
std::optional<std::filesystem::path> askSaveFile(
    Dialogs& dialogs, const FileDialogRequest& request,
    const std::vector<std::string>& wrongExtension = {});

// "「name」に保存できませんでした。" / "ディスクの空き容量と、フォルダに書き込めるかを確かめて
// 下さい。"
std::vector<std::string> notSavedMessage(const std::filesystem::path& file);

// The same for a save of several files: every file it could not write (or, after the commit of a
// set save, put in place) is named, and a last line says what stands on disk now.
std::vector<std::string> notSavedMessage(const SetSave& save);

}  // namespace korvane
