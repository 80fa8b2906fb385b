#pragma once
// The judgement window (判定): the program's and the user's strong horses, the overall list, and
// the suggested quinella (or bracket quinella), win, place and wide bets with estimated odds.

#include <array>

#include "core/flows/judgement.hpp"
#include "gui/platform/base_dialog.hpp"

class QButtonGroup;
class QLabel;
class QListWidget;

namespace korvane {
struct AppState;
}

namespace korvane::gui {

class THanteiForm : public BaseDialog {
  Q_OBJECT

 public:
  // Judges the race as it stands: neutral for コルバンの買い目, with the user's classes for the
  // user evaluation. Centred on `owner`.
  THanteiForm(AppState& app, UserEvaluations evaluations, QWidget* owner);

 private:
  QWidget* buildCandidates();
  QWidget* buildBets();
  QWidget* buildMaxGrp();

  void FillCandidates();
  void FillBets();

  void MaxGrpClick(int item);
  void OutputBtnClick();
  void TojiruBtnClick();

  AppState& app_;
  JudgementWindow window_;

  QLabel* RaceLbl;
  QListWidget* SKouhoLst;
  QListWidget* UKouhoLst;
  QListWidget* SougouLst;
  QLabel* KaimeLbl;
  QListWidget* KaimeLst1;
  QListWidget* KaimeLst2;
  QListWidget* KaimeLst3;
  QListWidget* TanshouLst;
  QListWidget* FukushouLst;
  QListWidget* WideLst;
  QButtonGroup* MaxGrp;
};

}  // namespace korvane::gui
