#include "gui/output/output_form.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "core/app/printer.hpp"
#include "gui/platform/qt_printer.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

Printer& printerOf(Printer* given, std::unique_ptr<Printer>& own, QWidget* window) {
  if (given != nullptr) return *given;
  own = std::make_unique<QtPrinter>(window);
  return *own;
}

}  // namespace

TOutputForm::TOutputForm(AppState& app, OutputPage page, PageBuilder build, QWidget* owner,
                         Printer* printer)
    : BaseDialog(owner), flow_(app, printerOf(printer, ownPrinter_, this), page, std::move(build)) {
  setWindowTitle(toQt(pageCaption(page)));

  auto* box = new QGroupBox(qs("出力方法"), this);
  box->setObjectName("HouhouGrpBox");
  HouhouGrp = radioItems(box, "HouhouGrp",
                         {qs("プリンタで印刷"), qs("テキストファイル（．ｔｘｔ）で出力"),
                          qs("表計算ソフトで読み込める形（．ｃｓｖ）で出力"),
                          qs("ＰＤＦファイル（．ｐｄｆ）で出力")});
  HouhouGrp->button(static_cast<int>(flow_.method()))->setChecked(true);

  QPushButton* shutsuryokuBtn = button(this, "ShutsuryokuBtn", qs("出力"));
  QPushButton* modoruBtn = button(this, "ModoruBtn", qs("戻る"));
  shutsuryokuBtn->setDefault(true);
  modoruBtn->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(shutsuryokuBtn);
  buttons->addWidget(modoruBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(HouhouGrp, &QButtonGroup::idClicked, this, &TOutputForm::HouhouGrpClick);
  connect(shutsuryokuBtn, &QPushButton::clicked, this, &TOutputForm::ShutsuryokuBtnClick);
  connect(modoruBtn, &QPushButton::clicked, this, &TOutputForm::ModoruBtnClick);
}

TOutputForm::~TOutputForm() = default;

void TOutputForm::HouhouGrpClick(int item) {
  flow_.choose(static_cast<OutputMethod>(item));
  // A refused choice falls back to another method: the group shows the one in force.
  HouhouGrp->button(static_cast<int>(flow_.method()))->setChecked(true);
}

void TOutputForm::ShutsuryokuBtnClick() {
  flow_.output();
  accept();
}

void TOutputForm::ModoruBtnClick() {
  reject();
}

}  // namespace korvane::gui
