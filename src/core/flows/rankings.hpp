#pragma once
// Opening the rankings window (各値順位, and コルバン指数 → 各値順位): it lists the marked horses
// beside the indexes, so it opens only when the prediction marked somebody.

namespace korvane {

struct AppState;

// True when at least one horse is marked; else the message window says that nobody could be
// rated.
bool mayShowRankings(AppState& app);

}  // namespace korvane
