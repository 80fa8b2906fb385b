#pragma once
// The input window (入力): one figure asked at a time, for every odds the odds windows take.

#include <QString>
#include <string>

#include "core/flows/odds.hpp"
#include "gui/platform/base_dialog.hpp"

class QLabel;
class QLineEdit;

namespace korvane::gui {

class TInputForm : public BaseDialog {
  Q_OBJECT

 public:
  // The question and the current value (cp932), the value selected whole.
  TInputForm(const std::string& question, const std::string& value, QWidget* owner);

  // The text of InputEdt as it stood when the window closed, whichever way it closed.
  const QString& inputText() const { return inputText_; }

 public slots:
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NyuryokuBtnClick();
  void ClearBtnClick();
  void CancelBtnClick();

  QLabel* InputLbl;
  QLineEdit* InputEdt;
  QString inputText_;
};

// The odds windows' question: one input window over `owner` per figure; nothing on キャンセル.
AskValue askValueOver(QWidget* owner);

}  // namespace korvane::gui
