#include "gui/platform/base_dialog.hpp"

#include <QShowEvent>

namespace korvane::gui {

void centreOn(QWidget& window, const QWidget* owner) {
  if (owner == nullptr) return;
  const QRect outer = owner->frameGeometry();
  const QRect own = window.frameGeometry();
  window.move(outer.left() + outer.width() / 2 - own.width() / 2,
              outer.top() + outer.height() / 2 - own.height() / 2);
}

BaseDialog::BaseDialog(QWidget* owner) : QDialog(owner), centreOver_(owner) {}

bool BaseDialog::showModal() {
  return exec() == QDialog::Accepted;
}

void BaseDialog::centreOver(QWidget* window) {
  centreOver_ = window;
}

void BaseDialog::withoutCloseBox() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void BaseDialog::showEvent(QShowEvent* event) {
  // The window has its size by now; a show of the desktop's own (restoring a minimized
  // program) leaves it where the user put it.
  if (!event->spontaneous()) centreOn(*this, centreOver_);
  QDialog::showEvent(event);
}

}  // namespace korvane::gui
