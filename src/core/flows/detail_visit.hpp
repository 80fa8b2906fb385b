#pragma once
// One visit of the detail screen "予想結果詳細": disregarding single past runs (度外視) through its
// disregard dialog, with the undo of a cancelled visit. The prediction screen runs the prediction
// again when the visit ends having asked for it.

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

class DetailVisit {
 public:
  // The detail screen opens: no new run asked for yet, and the flags as they stand now are what a
  // cancel returns to and what "(解除)" compares with.
  explicit DetailVisit(AppState& app);

  // 指定 in the disregard dialog for run `run` of runner slot `slot`: true when the run was not
  // disregarded before (the detail screen's cell then reads "(度外)").
  bool disregardRun(int slot, int run);

  // 解除 in the disregard dialog: true when the run was disregarded before (the cell then reads
  // "(解除)" when it was disregarded at the start of the visit, else its evaluation again).
  bool releaseRun(int slot, int run);

  // 度外視を全て解除: asks for confirmation; on はい clears every flag, asks for a new prediction
  // and returns true (the detail screen closes with OK). On いいえ nothing changes.
  bool releaseAllRuns();

  // 完了（再予想）: asks for a new prediction with the flags as they stand (the screen closes
  // with OK).
  void confirm();

  // The detail screen closes. With OK the flags are kept; otherwise (閉じる, the close box) every
  // change of this visit is undone.
  void end(bool ok);

  // The flags as they stood at the opening, while the screen shows; nullptr once it has closed.
  const DisregardFlags* releasedFrom() const { return open_ ? &atOpening_ : nullptr; }
  // The visit asked the prediction screen for a new run.
  bool repredictAsked() const { return repredict_; }

 private:
  bool choosable(int slot, int run) const;
  void askForNewPrediction();

  AppState& app_;
  DisregardFlags atOpening_;
  bool open_ = true;
  bool repredict_ = false;
};

}  // namespace korvane
