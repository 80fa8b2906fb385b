#include "gui/views/gosou_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/views/past_runs.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

constexpr int kLines = 16;  // five runs of a heading and a result line, six rules

}  // namespace

TGosouForm::TGosouForm(const AppState& app, QWidget* over, const DisregardFlags* releasedFrom)
    : BaseDialog(over) {
  setObjectName("GosouForm");
  setWindowTitle(qs("競走馬情報"));

  QLabel* bameiLbl = label(this, "BameiLbl");
  bameiLbl->setFont(fixedFont());
  QListWidget* seisekiLst = shownLinesList(this, "SeisekiLst", 40, kLines);
  QListWidget* hyoukaLst = shownLinesList(this, "HyoukaLst", 6, kLines);
  QPushButton* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  tojiruBtn->setDefault(true);
  connect(tojiruBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bameiLbl);
  auto* lists = new QHBoxLayout;
  lists->setSpacing(2);
  lists->addWidget(seisekiLst);
  lists->addWidget(hyoukaLst);
  lists->addStretch();
  layout->addLayout(lists);
  layout->addWidget(tojiruBtn, 0, Qt::AlignRight);

  const int slot = app.selectedRunner;
  bameiLbl->setText(toQt(pastRunsTitle(app, slot)));
  const RunLines lines = pastRunsLines(app, releasedFrom, slot);
  setFixedLines(*seisekiLst, lines.runs);
  setFixedLines(*hyoukaLst, lines.evaluations);
}

}  // namespace korvane::gui
