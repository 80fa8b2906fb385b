#include "core/flows/maintenance.hpp"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/flows/file_dialogs.hpp"
#include "core/database/store_edit.hpp"
#include "core/database/store_maintenance.hpp"
#include "core/flows/race_files.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

bool changeAges(AppState& app, AgeStep step) {
  const bool older = step == AgeStep::Older;
  if (!app.dialogs.confirm(
          sj(older ? "全ての馬の歳をひとつ増やします。" : "全ての馬の歳をひとつ減らします。"),
          sj("よろしいですか？"))) {
    return false;
  }
  WaitWindow wait(app.dialogs,
                  sj(older ? "   競走馬の歳を増やしています" : "   競走馬の歳を減らしています"));
  changeAllAges(app.store, older ? 1 : -1);
  app.store.modified = true;
  return true;
}

void showHorseCount(AppState& app) {
  app.dialogs.message(
      {sj("現在の登録馬数は、") + std::to_string(app.store.count) + sj("頭です。")});
}

namespace {

// 古い馬0903.uma in March 2009.
fs::path movedHorsesFileName(const Date& today) {
  char yymm[8];
  std::snprintf(yymm, sizeof yymm, "%02d%02d", today.year % 100, today.month % 100);
  return fs::path(u8"古い馬" + std::u8string(yymm, yymm + 4) + u8".uma");
}

}  // namespace

bool moveOldHorses(AppState& app, int years) {
  if (app.store.count == 0) {
    app.dialogs.message({sj("登録馬が１頭もいません。")});
    return false;
  }
  if (!app.dialogs.confirm(sj("ここ") + fullWidthDigit(years) + sj("年間、レースに"),
                           sj("出走していない馬を移動します。"))) {
    return false;
  }
  const Date today = app.clock.today();
  const std::optional<fs::path> file = askRaceSavePath(app, movedHorsesFileName(today));
  if (!file) return false;

  std::vector<int> old;
  bool written = true;
  {
    WaitWindow wait(app.dialogs, sj("古い馬を移動して保存しています"));
    old = findOldHorses(app.store, today.year, today.month, years);
    // The horses leave the store only once they are safe in the file.
    if (!old.empty()) written = app.writer.writeLines(*file, movedHorsesFile(app.store, old));
    if (written) deleteHorses(app.store, app.card, old);
  }
  app.currentHorse = 0;
  if (!written) {
    std::vector<std::string> lines = notSavedMessage(*file);
    lines.push_back(sj("古い馬は移動していません。"));
    app.dialogs.message(lines);
    return true;
  }
  const int moved = static_cast<int>(old.size());
  if (moved == 0) {
    app.dialogs.message({sj("古い馬は１頭も見つかりませんでした。")});
  } else if (moved == kMaxMovedHorses) {
    app.dialogs.message(
        {sj("古い馬を750頭、移動しました。"), sj("一度にこれ以上移動できません。")});
  } else {
    app.dialogs.message({sj("古い馬を") + std::to_string(moved) + sj("頭、移動しました。")});
  }
  return true;
}

}  // namespace korvane
