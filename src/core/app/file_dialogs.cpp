#include "core/app/file_dialogs.hpp"

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
fs::path completeChosenPath(const FileDialogRequest& request, fs::path chosen,
                            bool& extensionAdded) {
  if (chosen.is_relative()) chosen = request.folder / chosen;
  extensionAdded = !chosen.has_extension();
  if (extensionAdded) chosen += "." + request.defaultExtension;
  return chosen;
}

}  // namespace

std::optional<fs::path> askOpenFile(Dialogs& dialogs, const FileDialogRequest& request) {
  const std::optional<fs::path> chosen = dialogs.openFile(request);
  if (!chosen) return std::nullopt;
  bool extensionAdded = false;
  fs::path file = completeChosenPath(request, *chosen, extensionAdded);
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

std::optional<fs::path> askSaveFile(Dialogs& dialogs, const FileDialogRequest& request,
                                    const std::vector<std::string>& wrongExtension) {
  const std::optional<fs::path> chosen = dialogs.saveFile(request);
  if (!chosen) return std::nullopt;
  bool extensionAdded = false;
  const fs::path file = completeChosenPath(request, *chosen, extensionAdded);
  if (!wrongExtension.empty() && file.extension() != "." + request.defaultExtension) {
    dialogs.message(wrongExtension);
    return std::nullopt;
  }
  if (request.overwritePrompt && extensionAdded && fileExists(file) &&
      !dialogs.confirm(shownFileName(file) + sj("は既にあります。"), sj("上書きしますか？"))) {
    return std::nullopt;
  }
  return file;
}

std::vector<std::string> notSavedMessage(const fs::path& file) {
  return {sj("「") + shownFileName(file) + sj("」に保存できませんでした。"),
          sj("ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。")};
}

}  // namespace korvane
