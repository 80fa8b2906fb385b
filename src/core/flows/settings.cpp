#include "core/flows/settings.hpp"

#include <filesystem>

#include "core/app/app_state.hpp"
#include "core/app/dialogs.hpp"
#include "core/app/settings_file.hpp"
#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

bool resetSettings(Dialogs& dialogs, Settings& settings) {
  if (!dialogs.confirm(sj("設定を全て標準に戻します。"), sj("よろしいですか？"))) return false;
  Settings defaults;
  defaults.left = settings.left;
  defaults.top = settings.top;
  settings = defaults;
  return true;
}

bool writeSettingsFile(AppState& app) {
  const std::filesystem::path file = settingsFilePath(app.folders.data);
  if (app.writer.writeLines(file, settingsLines(app.settings))) return true;
  app.dialogs.message({sj("設定を「") + utf8ToCp932Lossy(file.filename().string()) +
                           sj("」に保存できませんでした。"),
                       sj("ディスクの空き容量と、フォルダに書き込めるかを確かめて下さい。")});
  return false;
}

}  // namespace korvane
