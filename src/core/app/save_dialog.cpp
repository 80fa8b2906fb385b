#include "core/app/save_dialog.hpp"

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

std::string shownName(const std::filesystem::path& file) {
  return utf8ToCp932Lossy(file.filename().string());
}

}  // namespace

std::optional<std::filesystem::path> askSaveFile(Dialogs& dialogs,
                                                 const FileDialogRequest& request) {
  const std::optional<std::filesystem::path> chosen = dialogs.saveFile(request);
  if (!chosen) return std::nullopt;
  bool extensionAdded = false;
  const std::filesystem::path file =
      completeChosenPath(request.folder, *chosen, "." + request.defaultExtension, extensionAdded);
  std::error_code error;
  if (request.overwritePrompt && extensionAdded && std::filesystem::exists(file, error) &&
      !dialogs.confirm(shownName(file) + sj("は既にあります。"), sj("上書きしますか？"))) {
    return std::nullopt;
  }
  return file;
}

std::vector<std::string> notSavedMessage(const std::filesystem::path& file) {
  return {sj("「") + shownName(file) + sj("」に保存できませんでした。"),
          sj("ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。")};
}

}  // namespace korvane
