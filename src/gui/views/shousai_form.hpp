#pragma once
// The detail screen "予想結果詳細": the evaluation of every past run of every runner and the 穴馬度
// of the marked ones; a second press on an evaluation opens the disregard dialog for that run.
// Closed with 完了（再予想） or 度外視を全て解除 it keeps the disregarded runs; otherwise every
// change of the visit is undone.

#include "core/flows/detail_visit.hpp"
#include "gui/platform/base_dialog.hpp"

class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class SlotLists;

class TShousaiForm : public BaseDialog {
  Q_OBJECT

 public:
  TShousaiForm(AppState& app, QWidget* owner);

  // Once closed: the visit asked the prediction screen for a new run.
  bool repredictAsked() const { return visit_.repredictAsked(); }

 public slots:
  void done(int result) override;

 private:
  void buildTable();
  void FillColumns();
  void SelectedRowPress(QListWidget* column, int slot);
  void KanryouBtnClick();
  void AllKaijoBtnClick();
  void OutputBtnClick();

  AppState& app_;
  DetailVisit visit_;
  SlotLists* table_;
  QListWidget* UmabanLst;
  QListWidget* UmaLst;
  QListWidget* ShirushiLst;
  QListWidget* HyoukaLst[5];  // [0] = 前走 (HyoukaLst1) .. [4] = ５走前 (HyoukaLst5)
  QListWidget* KitaiLst;
};

}  // namespace korvane::gui
