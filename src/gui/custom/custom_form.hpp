#pragma once
// The custom marking window (印の付け方をカスタマイズ): one rule per mark in two sets, 有利＆不問
// and 断然, and the order in which the remaining marks are filled up to seven.

#include <array>

#include "core/custom/custom_edit.hpp"
#include "core/engine/custom_rules.hpp"
#include "gui/platform/base_dialog.hpp"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QTabWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class TCustomForm : public BaseDialog {
  Q_OBJECT

 public:
  // Centred on `parent` (the prediction screen). showModal() is true after 完了 or 標準, which
  // marked the race again.
  TCustomForm(AppState& app, QWidget* parent);

 public slots:
  // 戻る, Escape and the close box: nothing is committed.
  void reject() override;

 private:
  QWidget* buildMarkTab(int mark);
  QWidget* buildChuiTab();

  void YuriBtnClick();
  void DanzenBtnClick();
  void AbilityGrpClick(int mark, int item);
  void Power50BtnClick(int mark, bool on);
  void NokoriLstClick(int row);
  void UpBtnClick();
  void DownBtnClick();
  void KanryouBtnClick();
  void HyoujunBtnClick();
  void NewHozonBtnClick();
  void YomikomiBtnClick();

  // Every control from the edit copy: the selected set's rules and priority list.
  void showEdit();
  void showMark(int mark);
  void showPriorities();
  void showFileName();

  AppState& app_;
  CustomEdit edit_;

  QLabel* UmcFileLbl;
  QGroupBox* LogicGrp;
  QTabWidget* tabs_;
  std::array<QButtonGroup*, kMarkRules> AbilityGrp{};  // AbilityGrp, AbilityGrp2 .. 5
  std::array<QCheckBox*, kMarkRules> Power50Btn{};
  std::array<QButtonGroup*, kMarkRules> MakePGrp{};
  std::array<QButtonGroup*, kMarkRules> KinsouGrp{};
  std::array<QButtonGroup*, kMarkRules> KyakuGrp{};
  QListWidget* NokoriLst;
};

}  // namespace korvane::gui
