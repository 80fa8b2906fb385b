#include "core/flows/file_dialogs.hpp"

#include <system_error>

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

bool fileExists(const fs::path& file) {
  std::error_code error;
  return fs::exists(file, error);
}

// A file dialog hands back the name as typed: a bare name lies in the folder the dialog was
// showing, and the extension may be left off (then `extensionAdded` is set).
fs::path completeChosenPath(const fs::path& folder, fs::path chosen, std::string_view extension,
                            bool& extensionAdded) {
  if (chosen.is_relative()) chosen = folder / chosen;
  extensionAdded = !chosen.has_extension();
  if (extensionAdded) chosen += extension;
  return chosen;
}

}  // namespace

std::optional<fs::path> askFileToRead(Dialogs& dialogs, const FileDialogRequest& request,
                                      std::string_view extension) {
  const std::optional<fs::path> chosen = dialogs.openFile(request);
  if (!chosen) return std::nullopt;
  bool extensionAdded = false;
  fs::path file = completeChosenPath(request.folder, *chosen, extension, extensionAdded);
  // A file whose real name has no extension may be meant as typed.
  if (extensionAdded && !fileExists(file)) {
    const fs::path asTyped = chosen->is_relative() ? request.folder / *chosen : *chosen;
    if (fileExists(asTyped)) file = asTyped;
  }
  if (!fileExists(file)) {
    dialogs.message({sj("指定されたファイル名は、存在しません。")});
    return std::nullopt;
  }
  return file;
}

std::optional<fs::path> askFileToWrite(Dialogs& dialogs, const FileDialogRequest& request,
                                       std::string_view extension,
                                       const std::vector<std::string>& wrongExtension) {
  const std::optional<fs::path> chosen = dialogs.saveFile(request);
  if (!chosen) return std::nullopt;
  bool extensionAdded = false;
  const fs::path file = completeChosenPath(request.folder, *chosen, extension, extensionAdded);
  if (file.extension() != extension) {
    dialogs.message(wrongExtension);
    return std::nullopt;
  }
  // The dialog asked about the name as typed; the file it becomes may already be there.
  if (extensionAdded && fileExists(file) &&
      !dialogs.confirm(shownFileName(file) + sj("は既にあります。"), sj("上書きしますか？"))) {
    return std::nullopt;
  }
  return file;
}

}  // namespace korvane
