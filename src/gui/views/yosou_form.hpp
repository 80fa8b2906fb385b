#pragma once
// The prediction result screen: the table of marks, styles and indexes of the
// race card, the development and the reliability of the top mark, and the way
// into every view of the race.

#include <QMargins>

#include "gui/platform/base_dialog.hpp"

class QLabel;
class QLineEdit;
class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class SlotLists;

class TYosouForm : public BaseDialog {
  Q_OBJECT

 public:
  // Runs the prediction behind the progress window; the caller then calls
  // exec().
  TYosouForm(AppState& app, QWidget* mainWindow);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 public slots:
  void done(int result) override;

 private:
  void buildTable();
  QWidget* buildTop();
  QWidget* buildSide();
  QWidget* buildButtons();

  void FormShow();
  void FormActivate();
  void FormClose();

  void FillColumns();
  void CopyLabels();
  void Repredict();

  void ResyncSelection();

  void UmaLstSelectedPress(QListWidget* column, int slot);
  void ShousaiBtnClick();
  void ShirushiBtnClick();
  void JuniBtnClick();
  void ShisuBtnClick();
  void GraphBtnClick();
  void UserBtnClick();
  void OddsBtnClick();
  void KaimeBtnClick();
  void CustomBtnClick();
  void OutputBtnClick();
  void RaceBtnClick();
  void TenkaiBtnClick();
  void RunSaveBtnClick();
  void HelpBtnClick();
  void ModoruBtnClick();

  AppState& app_;
  QWidget* mainWindow_;
  bool mainHidden_ = false;
  QMargins mainFrame_;  // the main window's frame, as it was when this screen took its place

  SlotLists* table_;
  QListWidget* UmabanLst;
  QListWidget* UmaLst;
  QListWidget* ShirushiLst;
  QListWidget* KyakuLst;
  QListWidget* NouryokuLst;
  QListWidget* PowerLst;
  QListWidget* MakePLst;
  QListWidget* BestLst;
  QListWidget* ZensouLst;
  QListWidget* ZenkyoriLst;
  QListWidget* KinsouLst;

  QLabel* RaceLbl;
  QLabel* KyoriLbl;
  QLabel* FileLbl;
  QLabel* UmcFileLbl;
  QLabel* DogaishiLbl;
  QLineEdit* TenkaiEdt;
  QLabel* TenkaiLbl;
  QLabel* ShinraiLbl;
  QLineEdit* ShinraiEdt;
};

}  // namespace korvane::gui
