#include "gui/platform/base_dialog.hpp"

#include <QFontMetrics>
#include <QLayout>
#include <QShowEvent>

#include "gui/platform/window_place.hpp"

namespace korvane::gui {

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

int BaseDialog::captionWidth() const {
  // Title bars are commonly set in the bold face of the desktop's font, with the window's icon
  // on the left and its buttons on the right.
  constexpr int kIconAndButtons = 96;
  QFont bold = font();
  bold.setBold(true);
  return QFontMetrics(bold).horizontalAdvance(windowTitle()) + kIconAndButtons;
}

void BaseDialog::widenForCaption() {
  const int needed = captionWidth();
  if (width() >= needed) return;
  // A window that keeps the size of its contents keeps its height and takes the caption's width.
  const bool fixedSize = minimumSize() == maximumSize();
  if (layout() != nullptr && layout()->sizeConstraint() == QLayout::SetFixedSize) {
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  }
  if (fixedSize) {
    setFixedSize(needed, height());
  } else {
    setMinimumWidth(needed);
    resize(needed, height());
  }
}

void BaseDialog::showEvent(QShowEvent* event) {
  // The window has its size by now; a show of the desktop's own (restoring a minimized
  // program) leaves it where the user put it.
  if (!event->spontaneous()) {
    widenForCaption();
    centreOn(*this, centreOver_);
  }
  QDialog::showEvent(event);
}

}  // namespace korvane::gui
