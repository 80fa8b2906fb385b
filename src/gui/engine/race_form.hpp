#pragma once
// The race conditions window (レースコース入力): racecourse, surface, distance and going of the
// coming race.

#include "core/engine/race_conditions.hpp"
#include "gui/platform/base_dialog.hpp"

class QListWidget;
class QPushButton;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TRaceForm : public BaseDialog {
  Q_OBJECT

 public:
  // Centred on the main window: `parent`, or the window given to centreOver() when opened from
  // the prediction screen. showModal() is true once 完了 stored the conditions.
  TRaceForm(AppState& app, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void KeibajouLstClick();
  void KeibajouLst2Click();
  void KeibajouLst3Click();
  void KyoriLstClick();
  void KyoriLst2Click();
  void KanryouBtnClick();
  void ModoruBtnClick();

  RaceConditionsChoice choice() const;

  AppState& app_;
  QListWidget* KeibajouLst;
  QListWidget* KeibajouLst2;
  QListWidget* KeibajouLst3;
  QListWidget* CourseLst;
  QListWidget* KyoriLst;
  QListWidget* KyoriLst2;
  QListWidget* JoutaiLst;
  QPushButton* ModoruBtn;
};

}  // namespace korvane::gui
