#pragma once
// The question where a turf distance is run on both the inner and the outer course.

#include <QDialog>

class QLabel;
class QPushButton;

namespace korvane::gui {

class TUchiSotoForm : public QDialog {
  Q_OBJECT

 public:
  // Centred on `mainWindow`.
  explicit TUchiSotoForm(QWidget* mainWindow);

  // True once 内回り was pressed; any other way out keeps the outer course.
  bool innerChosen() const { return inner_; }

  QLabel* Label1;
  QPushButton* UchiBtn;
  QPushButton* SotoBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void UchiBtnClick();
  void SotoBtnClick();

  QWidget* mainWindow_;
  bool inner_ = false;
};

}  // namespace korvane::gui
