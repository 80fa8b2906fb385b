#pragma once
// The user evaluation screen "ユーザー予想の入力": the user puts every runner into one of five
// classes of their own judgement, which the betting judgement weighs.

#include <array>

#include "gui/platform/base_dialog.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class SlotColumn;
class SlotLists;

class TUserForm : public BaseDialog {
  Q_OBJECT

 public:
  TUserForm(AppState& app, QWidget* owner);

 private:
  void buildTable();
  void FillClasses();
  void ClassPress(int userClass, int y);
  void ClassPointer(int userClass, int y);
  void PointerAway();
  void UmaLstSelectedPress(QListWidget* column, int slot);
  void HanteiBtnClick();
  void ResetBtnClick();

  AppState& app_;
  SlotLists* table_;
  QListWidget* UmaLst;
  std::array<SlotColumn*, 5> classColumns_{};  // HyoukaALst (絶対連絡む) .. HyoukaELst
  QLabel* CursorLbl;
  QLabel* SelectLbl;
  QPushButton* HanteiBtn;
};

}  // namespace korvane::gui
