#pragma once
// What every secondary window shares: it opens modally over the window it belongs to, centred on
// it as the message windows are (owner Left + owner Width / 2 − own Width / 2, the same for Top),
// at least as wide as its caption, and Escape or the close box leave it as its 閉じる or 戻る
// button does (reject()).

#include <QDialog>
#include <QPointer>

namespace korvane::gui {

class BaseDialog : public QDialog {
  Q_OBJECT

 public:
  // A window of `owner`, centred on it each time it is shown.
  explicit BaseDialog(QWidget* owner);

  // Shows the window and waits until it is closed; true when it was closed by its button that
  // takes the answer (完了, はい, …), false after 戻る, 閉じる or Escape.
  bool showModal();

  // Centres on `window` instead of the owner; nullptr: the window places itself.
  void centreOver(QWidget* window);
  QWidget* centredOver() const { return centreOver_; }

  // The width the window's caption needs in its title bar: no window is so narrow that the
  // window manager has to cut its caption.
  int captionWidth() const;

 protected:
  // No system menu and no close box: the window's own buttons close it.
  void withoutCloseBox();

  void showEvent(QShowEvent* event) override;

 private:
  void widenForCaption();

  QPointer<QWidget> centreOver_;
};

}  // namespace korvane::gui
