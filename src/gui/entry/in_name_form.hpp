#pragma once
// The name window (競走馬の馬名･性別・馬齢の入力): a new horse's or a renamed horse's name, sex
// and age.

#include "core/entry/horse_identity.hpp"
#include "gui/platform/base_dialog.hpp"

class QLineEdit;
class QListWidget;

namespace korvane {
class Dialogs;
}  // namespace korvane

namespace korvane::gui {

class TInNameForm : public BaseDialog {
  Q_OBJECT

 public:
  TInNameForm(Dialogs& dialogs, const NameChoice& opened, QWidget* owner);

  // After 完了: the name padded to 18 bytes, the chosen sex and age.
  const NameChoice& choice() const { return choice_; }

 private:
  void KanryouBtnClick();

  QLineEdit* NameEdt = nullptr;
  QListWidget* SeibetsuLst = nullptr;
  QListWidget* BareiLst = nullptr;
  Dialogs& dialogs_;
  NameChoice choice_;
};

}  // namespace korvane::gui
