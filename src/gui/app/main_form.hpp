#pragma once
// The main window: the registered horses with the kana search pad and the file buttons on the
// left, the runners of the race card on the right, 予想 at the bottom.

#include <QDesktopServices>
#include <QMainWindow>
#include <QUrl>
#include <array>
#include <functional>

#include "core/app/kana_pad.hpp"
#include "core/flows/main_window.hpp"
#include "core/flows/maintenance.hpp"
#include "gui/app/horse_list_model.hpp"

class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListView;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace korvane {
struct AppState;
}  // namespace korvane

namespace korvane::gui {

struct MainFormOptions {
  bool showTitle = true;   // the title window loads the data on the first activation
  int titleTickMs = 1000;  // its timer
  // Opens a folder in the desktop's file manager; false when there is none to open it.
  std::function<bool(const QUrl&)> openUrl = &QDesktopServices::openUrl;
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Tests find the controls by their names: UmaLst, RunLst, YosouBtn, KeyABtn .. KeyWaBtn,
  // AdanBtn .. OdanBtn, MainMenu1, …
  explicit TMainForm(AppState& app, MainFormOptions options = {}, QWidget* parent = nullptr);

  // What follows the title window: no horse or slot selected, every list and label filled.
  void startupFinished();
  void refreshAll();
  void refreshHorseList();
  void refreshRunnerList();
  void refreshRaceLabel();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildHorseSide();
  QLayout* buildFileRows();
  void buildHorseList();
  QLayout* buildHorseButtons();
  QLayout* buildSearchPad();
  void buildRunnerSide();
  void buildMenu();
  void runTitle();
  // The saved position, kept on the screen.
  void placeOnScreen();

  void UmaLstClick(const QModelIndex& index);
  void UmaLstDblClick(const QModelIndex& index);
  void UmaLstKeyMove(const QModelIndex& index);
  void RunLstKeyMove(int row);
  void ShussouBtnClick();
  void SakujoBtnClick();
  void LoadBtnClick();
  void SaveBtnClick();
  void AllLoadBtnClick();
  void AddLoadBtnClick();
  void SearchEdtChange();
  void SearchBtnClick();
  void BSBtnClick();
  void SClearBtnClick();
  void DakuBtnClick();
  void KeyBtnClick(int row);
  void DanBtnClick(int letter);
  void RunLstClick(QListWidgetItem* item);
  void RunLstDblClick(QListWidgetItem* item);
  void AddBtnClick();
  void AddBtn2Click();
  void InUmaBtnClick();
  // The horse record editor on the current horse; the lists show what it changed.
  void openRecord();
  void UmabanLstClick();
  void ClearBtnClick();
  void runnerEdit(RunnerEdit edit);
  void CourseBtnClick();
  void YosouBtnClick();
  void SetteiBtnClick();
  void FileAboutClick();
  void AgeMenuClick(AgeStep step);
  void OldHorseMenuClick(int years);
  void openFolder(const char* name);

  void search(const std::string& piece);
  void showLetters();
  void selectHorseRow(int position);
  bool askRaceConditions();

  AppState& app_;
  MainFormOptions options_;

  QGroupBox* UmaGrp = nullptr;  // 登録馬
  QLabel* FileLbl = nullptr;
  QListView* UmaLst = nullptr;
  QLineEdit* SearchEdt = nullptr;
  std::array<QPushButton*, 5> DanBtn{};  // AdanBtn .. OdanBtn: the letters of the kana row
  QGroupBox* RunGrp = nullptr;           // 出走馬
  QListWidget* UmabanLst = nullptr;
  QListWidget* RunLst = nullptr;
  QLabel* RaceLbl = nullptr;
  QLabel* ModeLbl = nullptr;
  QPushButton* InUmaBtn = nullptr;

  HorseListModel* horses_ = nullptr;
  KanaCaptions letters_;
  std::string searchText_;  // the search box as cp932, kept valid while the user types
  bool titleShown_ = false;
  bool placed_ = false;
  bool framed_ = false;  // the saved position was corrected with the window manager's frame
  // The click that began a double click already tried to enter the horse: once is enough.
  bool clickEntered_ = false;
  // The click that began a double click on a runner already opened its record.
  bool clickOpened_ = false;
  bool pressing_ = false;  // a mouse button is down on one of the lists
};

}  // namespace korvane::gui
