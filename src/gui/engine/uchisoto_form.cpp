#include "gui/engine/uchisoto_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

TUchiSotoForm::TUchiSotoForm(QWidget* owner) : BaseDialog(owner) {
  withoutCloseBox();
  setWindowTitle(qs("内回りか?外回りか?"));

  QLabel* label1 = label(this, "Label1", qs("どちらのコース？"));
  QPushButton* uchiBtn = button(this, "UchiBtn", qs("内回り"));
  QPushButton* sotoBtn = button(this, "SotoBtn", qs("外回り"));
  connect(uchiBtn, &QPushButton::clicked, this, &TUchiSotoForm::UchiBtnClick);
  connect(sotoBtn, &QPushButton::clicked, this, &TUchiSotoForm::SotoBtnClick);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(uchiBtn);
  buttons->addWidget(sotoBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  setSizeGripEnabled(false);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TUchiSotoForm::UchiBtnClick() {
  inner_ = true;
  accept();
}

void TUchiSotoForm::SotoBtnClick() {
  inner_ = false;
  accept();
}

}  // namespace korvane::gui
