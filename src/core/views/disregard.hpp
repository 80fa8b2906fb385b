#pragma once
// Disregarding single past runs (度外視) from the detail screen: the flows of its buttons and of
// the disregard dialog over the race card's flags, with the undo of a cancelled visit. The
// prediction screen runs the prediction again when a visit ends with the re-predict flag set.

#include <string>

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

// The prediction screen opens the detail screen: no new run asked for yet, and the flags as they
// stand now are what a cancel returns to and what "(解除)" compares with.
void beginDetailVisit(AppState& app);

// 指定 in the disregard dialog for run `run` of runner slot `slot`: true when the run was not
// disregarded before (the detail screen's cell then reads "(度外)").
bool disregardRun(AppState& app, int slot, int run);

// 解除 in the disregard dialog: true when the run was disregarded before (the cell then reads
// "(解除)" when it was disregarded at the start of the visit, else its evaluation again).
bool releaseRun(AppState& app, int slot, int run);

// 度外視を全て解除: asks for confirmation; on はい clears every flag, asks for a new prediction
// and returns true (the detail screen closes with OK). On いいえ nothing changes.
bool releaseAllRuns(AppState& app);

// 完了（再予想）: asks for a new prediction with the flags as they stand (the screen closes with
// OK).
void confirmDisregard(AppState& app);

// The detail screen closes. With OK the flags are kept and become the new snapshot; otherwise
// (閉じる, the close box) every change of this visit is undone.
void endDetailVisit(AppState& app, bool ok);

// DogaishiLbl: "あり" when some run of some runner is disregarded, else "なし".
std::string disregardLabel(const TRaceCard& card);

}  // namespace korvane
