#pragma once
// The horse record editor (成績画面): the horse's name and running style and its five past runs,
// with the buttons that add, insert, delete and change runs and rename the horse. The main
// window stands hidden behind it.

#include <array>
#include <memory>

#include "gui/platform/base_dialog.hpp"

class QLabel;
class QPushButton;

namespace korvane {
struct AppState;
class RecordEditor;
}  // namespace korvane

namespace korvane::gui {

class TAddUmaForm : public BaseDialog {
  Q_OBJECT

 public:
  // Opens on the current horse; `mainWindow` hides while the editor is in front.
  TAddUmaForm(AppState& app, QWidget* mainWindow);
  ~TAddUmaForm() override;

  // Name, sex or age changed: the main window rebuilds its horse list.
  bool nameChanged() const;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void refresh();
  void RaceBtnClick(int slot);  // Race1Btn .. Race5Btn
  void AddBtnClick();
  void SounyuBtnClick(int slot);  // SounyuBtn2 .. SounyuBtn4
  void SakujoBtnClick(int slot);  // SakujoBtn1 .. SakujoBtn4
  void UmaNameBtnClick();
  // Opens the entry screen on `slot` (0 = a new newest run) and stores what it completed.
  void enterRun(int slot);

  AppState& app_;
  std::unique_ptr<RecordEditor> editor_;
  QWidget* mainWindow_;
  bool mainHidden_ = false;
  QLabel* NameLbl = nullptr;
  QLabel* KyakuLbl = nullptr;
  std::array<QLabel*, 6> ChakuMem{};  // [slot 1..5]
  std::array<QLabel*, 6> RaceMem{};
};

}  // namespace korvane::gui
