#pragma once
// The settings window (設定): the all-horses file at start-up, the six mark symbols, the marking
// mode and the bet display.

#include <array>

#include "gui/platform/base_dialog.hpp"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace korvane {
struct AppState;
struct SettingsChoice;
}  // namespace korvane

namespace korvane::gui {

class TSetUpForm : public BaseDialog {
  Q_OBJECT

 public:
  // Centred on `parent` (the main window); showModal() is true once 完了 or 標準に戻す changed
  // the settings.
  TSetUpForm(AppState& app, QWidget* parent);

 private:
  void KanryouBtnClick();
  void HyoujunBtnClick();

  void showChoice(const SettingsChoice& choice);

  AppState& app_;
  QCheckBox* KidouChk;
  std::array<QLineEdit*, 6> KigouEdt{};  // KigouEdt1 .. KigouEdt6
  QButtonGroup* ShirushiGrp;
  QButtonGroup* KaimeGrp;
};

}  // namespace korvane::gui
