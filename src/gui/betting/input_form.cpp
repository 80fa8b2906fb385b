#include "gui/betting/input_form.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

TInputForm::TInputForm(const std::string& question, const std::string& value, QWidget* owner)
    : BaseDialog(owner) {
  setWindowTitle(qs("入力"));
  InputLbl = label(this, "InputLbl", toQt(question));
  InputEdt = new QLineEdit(toQt(value), this);
  InputEdt->setObjectName("InputEdt");
  InputEdt->setFont(fixedFont());
  InputEdt->setMinimumWidth(cellsWidth(24));
  InputEdt->selectAll();
  InputEdt->installEventFilter(this);

  QPushButton* nyuryokuBtn = button(this, "NyuryokuBtn", qs("入力"));
  QPushButton* clearBtn = button(this, "ClearBtn", qs("クリア"));
  QPushButton* cancelBtn = button(this, "CancelBtn", qs("キャンセル"));
  nyuryokuBtn->setDefault(true);
  clearBtn->setAutoDefault(false);
  cancelBtn->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {nyuryokuBtn, clearBtn, cancelBtn}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(InputLbl);
  layout->addWidget(InputEdt);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(nyuryokuBtn, &QPushButton::clicked, this, &TInputForm::NyuryokuBtnClick);
  connect(clearBtn, &QPushButton::clicked, this, &TInputForm::ClearBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &TInputForm::CancelBtnClick);
}

// A click into the figure takes all of it, so that the next figure typed replaces it.
// The edit places its cursor on the press itself; the selection follows once that is done.
bool TInputForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == InputEdt && event->type() == QEvent::MouseButtonPress) {
    QTimer::singleShot(0, InputEdt, &QLineEdit::selectAll);
  }
  return BaseDialog::eventFilter(watched, event);
}

void TInputForm::done(int result) {
  inputText_ = InputEdt->text();
  BaseDialog::done(result);
}

void TInputForm::NyuryokuBtnClick() {
  accept();
}

void TInputForm::ClearBtnClick() {
  InputEdt->clear();
  InputEdt->setFocus();
}

void TInputForm::CancelBtnClick() {
  reject();
}

AskValue askValueOver(QWidget* owner) {
  return
      [owner](const std::string& question, const std::string& value) -> std::optional<std::string> {
        TInputForm input(question, value, owner);
        if (!input.showModal()) return std::nullopt;
        // A character Shift-JIS cannot hold is no figure: it reads as キャンセル, as any other
        // text.
        return fromQt(input.inputText()).value_or(std::string());
      };
}

}  // namespace korvane::gui
