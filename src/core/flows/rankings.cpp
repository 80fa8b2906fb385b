#include "core/flows/rankings.hpp"

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

bool mayShowRankings(AppState& app) {
  if (app.result.markCount > 0) return true;
  app.dialogs.message({sj("評価できる馬が１頭もいません。")});
  return false;
}

}  // namespace korvane
