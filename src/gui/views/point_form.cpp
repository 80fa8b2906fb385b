#include "gui/views/point_form.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/views/points.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/views/graph_form.hpp"

namespace korvane::gui {

namespace {

constexpr int kRows = 21;  // eighteen runners and a line before the 6th, 11th and 16th

}  // namespace

TPointForm::TPointForm(AppState& app, QWidget* owner) : BaseDialog(owner), app_(app) {
  setObjectName("PointForm");
  setWindowTitle(qs("コルバン指数"));

  const PointsView view = buildPoints(app);
  auto* table = new QGridLayout;
  table->setHorizontalSpacing(2);
  table->setVerticalSpacing(0);
  table->addWidget(label(this, "PointLbl", qs("コルバン指数")), 1, 0, Qt::AlignHCenter);
  table->addWidget(label(this, "BestLbl", qs("ベスト")), 1, 1, Qt::AlignHCenter);
  table->addWidget(label(this, "MakePLbl", qs("負Ｐ")), 1, 2, Qt::AlignHCenter);
  table->addWidget(label(this, "NSLbl", qs("逃先")), 0, 3, Qt::AlignHCenter);
  table->addWidget(label(this, "NSBestLbl", qs("ベスト")), 1, 3, Qt::AlignHCenter);
  table->addWidget(shownLinesList(this, "PointLst", 42, kRows, view.points), 2, 0);
  table->addWidget(shownLinesList(this, "BestLst", 4, kRows, view.best), 2, 1);
  table->addWidget(shownLinesList(this, "MakePLst", 4, kRows, view.loseP), 2, 2);
  table->addWidget(shownLinesList(this, "NSBestLst", 4, kRows, view.frontBest), 2, 3);

  auto* juniBtn = button(this, "JuniBtn", qs("各値順位"));
  auto* graphBtn = button(this, "GraphBtn", qs("グラフ表示"));
  auto* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  tojiruBtn->setDefault(true);
  connect(juniBtn, &QPushButton::clicked, this, &TPointForm::JuniBtnClick);
  connect(graphBtn, &QPushButton::clicked, this, &TPointForm::GraphBtnClick);
  connect(tojiruBtn, &QPushButton::clicked, this, &TPointForm::reject);

  auto* bottom = new QHBoxLayout;
  auto* note = new QVBoxLayout;
  note->addWidget(label(this, "Label1", qs("『コルバン指数』は、「能力値」と「底力」を")));
  note->addWidget(label(this, "Label2", qs("足して２で割った数値です。")));
  bottom->addLayout(note);
  bottom->addStretch();
  bottom->addWidget(juniBtn, 0, Qt::AlignBottom);
  bottom->addWidget(graphBtn, 0, Qt::AlignBottom);
  bottom->addWidget(tojiruBtn, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(table);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPointForm::JuniBtnClick() {
  done(kRankingsAsked);
}

void TPointForm::GraphBtnClick() {
  TGraphForm graph(app_, this);
  graph.showModal();
}

}  // namespace korvane::gui
