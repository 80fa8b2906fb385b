#pragma once
// The question where a turf distance is run on both the inner and the outer course.

#include "gui/platform/base_dialog.hpp"

namespace korvane::gui {

class TUchiSotoForm : public BaseDialog {
  Q_OBJECT

 public:
  // Centred on `owner`, or on the main window given to centreOver(). Label1 asks, UchiBtn and
  // SotoBtn answer.
  explicit TUchiSotoForm(QWidget* owner);

  // True once 内回り was pressed; any other way out keeps the outer course.
  bool innerChosen() const { return inner_; }

 private:
  void UchiBtnClick();
  void SotoBtnClick();

  bool inner_ = false;
};

}  // namespace korvane::gui
