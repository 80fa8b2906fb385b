#include "gui/views/dogai_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/flows/detail_visit.hpp"
#include "core/views/past_runs.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

constexpr int kLines = 4;  // a rule, the heading and result lines of the run, a rule

}  // namespace

TDogaiForm::TDogaiForm(const AppState& app, DetailVisit& visit, int slot, int run,
                       QWidget* owner)
    : BaseDialog(owner), visit_(visit), slot_(slot), run_(run) {
  setObjectName("DogaiForm");
  setWindowTitle(qs("成績を度外視"));

  QLabel* bameiLbl = label(this, "BameiLbl", toQt(horseTitle(app, slot)));
  bameiLbl->setFont(fixedFont());
  const RunLines lines = disregardDialogLines(app, visit.releasedFrom(), slot, run);
  auto* shiteiBtn = button(this, "ShiteiBtn", qs("指定"));
  auto* kaijoBtn = button(this, "KaijoBtn", qs("解除"));
  auto* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  shiteiBtn->setDefault(true);
  connect(shiteiBtn, &QPushButton::clicked, this, &TDogaiForm::ShiteiBtnClick);
  connect(kaijoBtn, &QPushButton::clicked, this, &TDogaiForm::KaijoBtnClick);
  connect(tojiruBtn, &QPushButton::clicked, this, &TDogaiForm::reject);

  auto* lists = new QHBoxLayout;
  lists->setSpacing(2);
  lists->addWidget(shownLinesList(this, "SeisekiLst", 40, kLines, lines.runs));
  lists->addWidget(shownLinesList(this, "HyoukaLst", 6, kLines, lines.evaluations));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {shiteiBtn, kaijoBtn, tojiruBtn}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bameiLbl);
  layout->addWidget(label(this, "Label1", qs("この成績を「度外視」に指定します。")));
  layout->addLayout(lists);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TDogaiForm::ShiteiBtnClick() {
  visit_.disregardRun(slot_, run_);
  accept();
}

void TDogaiForm::KaijoBtnClick() {
  visit_.releaseRun(slot_, run_);
  accept();
}

}  // namespace korvane::gui
