#pragma once
// The race conditions window (レースコース入力): racecourse, surface, distance and going of the
// coming race.

#include <QDialog>

#include "core/engine/race_conditions.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TRaceForm : public QDialog {
  Q_OBJECT

 public:
  // Centred on `parent` (the main window); exec() is Accepted once 完了 stored the conditions.
  TRaceForm(AppState& app, QWidget* parent);

  QLabel* KeibajouLbl;
  QLabel* CourseLbl;
  QLabel* KyoriLbl;
  QLabel* JoutaiLbl;
  QListWidget* KeibajouLst;
  QListWidget* KeibajouLst2;
  QListWidget* KeibajouLst3;
  QListWidget* CourseLst;
  QListWidget* KyoriLst;
  QListWidget* KyoriLst2;
  QListWidget* JoutaiLst;
  QPushButton* KanryouBtn;
  QPushButton* ModoruBtn;

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

  QListWidget* newList(const char* name, const std::vector<std::string>& items);
  RaceConditionsChoice choice() const;

  AppState& app_;
};

}  // namespace korvane::gui
