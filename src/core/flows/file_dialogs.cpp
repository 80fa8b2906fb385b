#include "core/flows/file_dialogs.hpp"

#include <system_error>

#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

// A link stands there even when it leads nowhere or round in a circle; the reader then says which.
bool fileExists(const fs::path& file) {
  std::error_code error;
  return fs::exists(fs::symlink_status(file, error));
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
  return notSavedMessage(SetSave{false, {file}});
}

std::vector<std::string> notSavedMessage(const SetSave& save) {
  // The names fill lines the message window can hold; beyond six files the rest are counted.
  constexpr std::size_t kLineBytes = 56;
  constexpr std::size_t kNamesShown = 5;
  std::vector<std::string> named;
  for (const fs::path& file : save.failed) named.push_back(sj("「") + shownFileName(file) + sj("」"));
  if (named.size() > kNamesShown + 1) {
    const std::size_t others = named.size() - kNamesShown;
    named.resize(kNamesShown);
    named.push_back(sj("ほか") + std::to_string(others) + sj("個のファイル"));
  }
  std::vector<std::string> lines;
  std::string names;
  for (const std::string& name : named) {
    if (!names.empty() && names.size() + name.size() > kLineBytes) {
      lines.push_back(std::move(names));
      names.clear();
    }
    names += name;
  }
  lines.push_back(names + sj("に保存できませんでした。"));
  lines.push_back(sj("ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。"));
  if (save.failed.size() > 1 || save.committed) {
    lines.push_back(save.committed ? sj("残りのファイルは、次に読み込むときに置き換えます。")
                                   : sj("前に保存したファイルは、そのまま残っています。"));
  }
  return lines;
}

}  // namespace korvane
