#include "gui/entry/in_name_form.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/dialogs.hpp"
#include "core/flows/new_horse.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

TInNameForm::TInNameForm(Dialogs& dialogs, const NameChoice& opened, QWidget* owner)
    : BaseDialog(owner), dialogs_(dialogs), choice_(opened) {
  setObjectName("TInNameForm");
  setWindowTitle(qs("競走馬の馬名･性別・馬齢の入力"));

  NameEdt = new QLineEdit(this);
  NameEdt->setObjectName("NameEdt");
  NameEdt->setFont(fixedFont());
  NameEdt->setMinimumWidth(QFontMetrics(fixedFont()).horizontalAdvance(QString(20, 'M')));
  NameEdt->setText(toQt(opened.name));
  SeibetsuLst = choiceList(this, "SeibetsuLst", sexItems());
  BareiLst = choiceList(this, "BareiLst", ageItems());
  SeibetsuLst->setCurrentRow(opened.sexIndex);
  BareiLst->setCurrentRow(opened.ageIndex);

  QPushButton* kanryouBtn = button(this, "KanryouBtn", qs("完了"));
  QPushButton* button1 = button(this, "Button1", qs("戻る"));
  kanryouBtn->setDefault(true);
  connect(kanryouBtn, &QPushButton::clicked, this, &TInNameForm::KanryouBtnClick);
  connect(button1, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(label(this, "NameLbl", qs("馬名")), 0, 0);
  grid->addWidget(NameEdt, 1, 0, 1, 2);
  grid->addWidget(label(this, "SeibetsuLbl", qs("性別")), 2, 0);
  grid->addWidget(label(this, "BareiLbl", qs("馬齢")), 2, 1);
  grid->addWidget(SeibetsuLst, 3, 0, Qt::AlignTop);
  grid->addWidget(BareiLst, 3, 1, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(kanryouBtn);
  buttons->addWidget(button1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  NameEdt->setFocus();
}

void TInNameForm::KanryouBtnClick() {
  const std::optional<std::string> typed = fromQt(NameEdt->text());
  if (!typed) {
    dialogs_.message(refusedTextMessage());
    return;
  }
  const std::optional<std::string> name = acceptTypedName(dialogs_, *typed);
  if (!name) return;
  NameEdt->setText(toQt(*name));
  choice_.name = *name;
  choice_.sexIndex = std::max(0, SeibetsuLst->currentRow());
  choice_.ageIndex = std::max(0, BareiLst->currentRow());
  accept();
}

}  // namespace korvane::gui
