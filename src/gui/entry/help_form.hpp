#pragma once
// The usage guide (はじめて使う方): the flow of work on one page; a click anywhere closes it.

#include "gui/platform/base_dialog.hpp"

class QPlainTextEdit;

namespace korvane::gui {

class THelpForm : public BaseDialog {
  Q_OBJECT

 public:
  explicit THelpForm(QWidget* owner);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit* HelpMem = nullptr;
};

}  // namespace korvane::gui
