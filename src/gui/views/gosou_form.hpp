#pragma once
// The past-runs screen "競走馬情報": the selected runner's five runs, oldest first, each with its
// evaluation beside it. Read only.

#include <QDialog>

class QLabel;
class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TGosouForm : public QDialog {
  Q_OBJECT

 public:
  // Shows AppState::selectedRunner, centred on `over` (the screen it was opened from).
  TGosouForm(AppState& app, QWidget* over);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void TojiruBtnClick();

  QWidget* over_;
  QLabel* BameiLbl;
  QListWidget* SeisekiLst;
  QListWidget* HyoukaLst;
};

}  // namespace korvane::gui
