#include "gui/engine/uchisoto_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/platform/centring.hpp"
#include "gui/platform/qt_text.hpp"
#include "core/text/sjis.hpp"

namespace korvane::gui {

TUchiSotoForm::TUchiSotoForm(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
  withoutSystemMenu(*this);
  setWindowTitle(toQt(sj("内回りか?外回りか?")));

  Label1 = new QLabel(toQt(sj("どちらのコース？")), this);
  Label1->setObjectName("Label1");
  UchiBtn = new QPushButton(toQt(sj("内回り")), this);
  UchiBtn->setObjectName("UchiBtn");
  SotoBtn = new QPushButton(toQt(sj("外回り")), this);
  SotoBtn->setObjectName("SotoBtn");
  connect(UchiBtn, &QPushButton::clicked, this, &TUchiSotoForm::UchiBtnClick);
  connect(SotoBtn, &QPushButton::clicked, this, &TUchiSotoForm::SotoBtnClick);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(UchiBtn);
  buttons->addWidget(SotoBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  setSizeGripEnabled(false);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TUchiSotoForm::showEvent(QShowEvent* event) {
  centreOn(*this, mainWindow_);
  QDialog::showEvent(event);
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
