#include "core/flows/custom_marking.hpp"

#include <optional>
#include <utility>
#include <variant>

#include "core/app/app_state.hpp"
#include "core/flows/file_dialogs.hpp"
#include "core/custom/custom_file.hpp"
#include "core/flows/prediction.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

namespace fs = std::filesystem;

FileDialogRequest customFileRequest(const AppState& app, std::string title) {
  FileDialogRequest request;
  request.title = std::move(title);
  request.filter = sj("コルバンカスタマイズファイル(*.umc)|*.umc");
  request.defaultExtension = "umc";
  request.folder = app.folders.custom;
  request.proposedName = app.custom.file.filename();
  return request;
}

void followFile(AppState& app, const fs::path& file) {
  app.custom.file = file;
  app.folders.custom = file.parent_path();
}

}  // namespace

CustomEdit openCustomEdit(const AppState& app) {
  return CustomEdit(app.custom, app.card.development);
}

void commitCustom(AppState& app, const CustomEdit& edit) {
  app.custom.rules = edit.rules();
  app.custom.selectedRow = edit.selectedRows();
  app.settings.shirushi = MarkingMode::Custom;
  remarkRace(app);
}

void restoreStandardMarking(AppState& app) {
  app.custom.rules = defaultCustomRules();
  app.custom.file = newCustomFileName();
  app.custom.selectedRow = {};
  app.settings.shirushi = MarkingMode::Standard;
  remarkRace(app);
}

void leaveCustom(AppState& app, const CustomEdit& edit) {
  // A file saved or loaded in the window without 完了 is not the one the marks come from.
  if (app.settings.shirushi == MarkingMode::Custom) app.custom.file = edit.openedFile();
  app.custom.selectedRow = edit.selectedRows();
}

bool saveCustomFile(AppState& app, const CustomEdit& edit) {
  FileDialogRequest request =
      customFileRequest(app, sj("カスタマイズファイル保存（ファイル名の「.umc」は省略できます）"));
  request.overwritePrompt = true;
  const std::optional<fs::path> file =
      askSaveFile(app.dialogs, request,
                  {sj("拡張子が「.umc」ではありません。拡張子を「.umc」にするか、もしくは省略し"
                      "て下さい。")});
  if (!file) return false;
  bool written = false;
  {
    WaitWindow wait(app.dialogs, sj(" カスタマイズを保存しています"));
    written = app.writer.writeLines(*file, customFileLines(edit.rules()));
  }
  if (!written) {
    app.dialogs.message(notSavedMessage(*file));
    return false;
  }
  followFile(app, *file);
  return true;
}

bool loadCustomFile(AppState& app, CustomEdit& edit) {
  const std::optional<fs::path> file =
      askOpenFile(app.dialogs, customFileRequest(app, sj("カスタマイズファイル読込")));
  if (!file) return false;
  std::variant<CustomRules, LoadError> read;
  {
    WaitWindow wait(app.dialogs, sj("    データを読み込んでいます"));
    read = readCustomFile(*file);
  }
  if (const LoadError* error = std::get_if<LoadError>(&read)) {
    app.dialogs.message(loadErrorMessage(*error));
    return false;
  }
  edit.replaceRules(std::get<CustomRules>(read));
  followFile(app, *file);
  return true;
}

void customHelp(AppState& app) {
  app.dialogs.message({sj("１つのカスタマイズファイルで"),
                       sj("展開が、「○○有利」と「○○断然」の場合の"),
                       sj("印の付け方を設定できます。")});
}

}  // namespace korvane
