#include "gui/views/gosou_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "gui/platform/centring.hpp"
#include "gui/platform/fixed_lists.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "core/views/past_runs.hpp"

namespace korvane::gui {

namespace {

constexpr int kLines = 16;  // five runs of a heading and a result line, six rules

// A list that shows lines and takes no part in any selection.
QListWidget* runList(QWidget* parent, const char* name, int widthBytes) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  shapeFixedList(*list, widthBytes, kLines);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  return list;
}

}  // namespace

TGosouForm::TGosouForm(AppState& app, QWidget* over) : QDialog(over), over_(over) {
  setObjectName("GosouForm");
  setWindowTitle(QStringLiteral("競走馬情報"));

  BameiLbl = new QLabel(this);
  BameiLbl->setObjectName("BameiLbl");
  BameiLbl->setFont(fixedFont());
  SeisekiLst = runList(this, "SeisekiLst", 40);
  HyoukaLst = runList(this, "HyoukaLst", 6);
  auto* tojiruBtn = new QPushButton(QStringLiteral("閉じる"), this);
  tojiruBtn->setObjectName("TojiruBtn");
  tojiruBtn->setDefault(true);
  connect(tojiruBtn, &QPushButton::clicked, this, &TGosouForm::TojiruBtnClick);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BameiLbl);
  auto* lists = new QHBoxLayout;
  lists->setSpacing(2);
  lists->addWidget(SeisekiLst);
  lists->addWidget(HyoukaLst);
  lists->addStretch();
  layout->addLayout(lists);
  layout->addWidget(tojiruBtn, 0, Qt::AlignRight);

  const int slot = app.selectedRunner;
  BameiLbl->setText(toQt(pastRunsTitle(app, slot)));
  const RunLines lines = pastRunsLines(app, slot);
  setFixedLines(*SeisekiLst, lines.runs);
  setFixedLines(*HyoukaLst, lines.evaluations);
}

void TGosouForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TGosouForm::FormShow() {
  centreOn(*this, over_);
}

void TGosouForm::TojiruBtnClick() {
  accept();
}

}  // namespace korvane::gui
