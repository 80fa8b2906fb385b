#include "gui/engine/race_form.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/flows/race_conditions.hpp"
#include "core/text/sjis.hpp"
#include "gui/engine/uchisoto_form.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

namespace {

// The row a list shows as chosen, -1 when none: a cleared list has no current row.
int selectedRow(const QListWidget* list) {
  const auto rows = list->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void selectRow(QListWidget* list, int row) {
  if (row < 0 || row >= list->count()) {
    list->clearSelection();
    return;
  }
  list->setCurrentRow(row);
}

}  // namespace

TRaceForm::TRaceForm(AppState& app, QWidget* parent) : BaseDialog(parent), app_(app) {
  setWindowTitle(qs("レースコース入力"));
  const RaceConditionItems& items = raceConditionItems();

  QLabel* keibajouLbl = label(this, "KeibajouLbl", qs("競馬場"));
  QLabel* courseLbl = label(this, "CourseLbl", qs("コース"));
  QLabel* kyoriLbl = label(this, "KyoriLbl", qs("距離"));
  QLabel* joutaiLbl = label(this, "JoutaiLbl", qs("馬場状態"));

  KeibajouLst = choiceList(this, "KeibajouLst", items.courses[0]);
  KeibajouLst2 = choiceList(this, "KeibajouLst2", items.courses[1]);
  KeibajouLst3 = choiceList(this, "KeibajouLst3", items.courses[2]);
  CourseLst = choiceList(this, "CourseLst", items.surfaces);
  KyoriLst = choiceList(this, "KyoriLst", items.distances);
  KyoriLst2 = choiceList(this, "KyoriLst2", items.longDistances);
  JoutaiLst = choiceList(this, "JoutaiLst", items.goings);

  QPushButton* kanryouBtn = button(this, "KanryouBtn", qs("完了"));
  kanryouBtn->setAutoDefault(false);
  ModoruBtn = button(this, "ModoruBtn", qs("戻る"));

  auto* grid = new QGridLayout;
  grid->addWidget(keibajouLbl, 0, 0, 1, 3);
  grid->addWidget(KeibajouLst, 1, 0, Qt::AlignTop);
  grid->addWidget(KeibajouLst2, 1, 1, Qt::AlignTop);
  grid->addWidget(KeibajouLst3, 1, 2, Qt::AlignTop);
  auto* surfaceAndGoing = new QVBoxLayout;
  surfaceAndGoing->addWidget(courseLbl);
  surfaceAndGoing->addWidget(CourseLst);
  surfaceAndGoing->addSpacing(12);
  surfaceAndGoing->addWidget(joutaiLbl);
  surfaceAndGoing->addWidget(JoutaiLst);
  surfaceAndGoing->addStretch();
  grid->addLayout(surfaceAndGoing, 0, 3, 2, 1);
  grid->addWidget(kyoriLbl, 0, 4, 1, 2);
  grid->addWidget(KyoriLst, 1, 4, Qt::AlignTop);
  grid->addWidget(KyoriLst2, 1, 5, Qt::AlignTop);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(kanryouBtn);
  buttons->addWidget(ModoruBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  const RaceConditionsChoice opened = choiceForCard(app_.card);
  const std::array<QListWidget*, 3> courses{KeibajouLst, KeibajouLst2, KeibajouLst3};
  for (int list = 0; list < 3; ++list) {
    selectRow(courses[list], opened.courseList == list ? opened.courseRow : -1);
  }
  selectRow(CourseLst, opened.surfaceRow);
  selectRow(KyoriLst, opened.distanceRow);
  selectRow(KyoriLst2, opened.longDistanceRow);
  selectRow(JoutaiLst, opened.goingRow);

  // A choice by mouse or keyboard alike clears the lists it excludes; connected after the card's
  // own conditions are shown, which never need clearing.
  auto onChoice = [this](QListWidget* list, void (TRaceForm::*handler)()) {
    auto act = [this, list, handler] {
      if (selectedRow(list) >= 0) (this->*handler)();
    };
    connect(list, &QListWidget::itemClicked, this, act);
    connect(list, &QListWidget::itemSelectionChanged, this, act);
  };
  onChoice(KeibajouLst, &TRaceForm::KeibajouLstClick);
  onChoice(KeibajouLst2, &TRaceForm::KeibajouLst2Click);
  onChoice(KeibajouLst3, &TRaceForm::KeibajouLst3Click);
  onChoice(KyoriLst, &TRaceForm::KyoriLstClick);
  onChoice(KyoriLst2, &TRaceForm::KyoriLst2Click);
  connect(kanryouBtn, &QPushButton::clicked, this, &TRaceForm::KanryouBtnClick);
  connect(ModoruBtn, &QPushButton::clicked, this, &TRaceForm::ModoruBtnClick);

  ModoruBtn->setDefault(true);
  ModoruBtn->setFocus();
}

void TRaceForm::showEvent(QShowEvent* event) {
  BaseDialog::showEvent(event);
  ModoruBtn->setFocus();
}

void TRaceForm::KeibajouLstClick() {
  KeibajouLst2->clearSelection();
  KeibajouLst3->clearSelection();
}

// The local racecourses run on dirt only, so choosing one switches the surface; the user may
// still switch it back.
void TRaceForm::KeibajouLst2Click() {
  KeibajouLst->clearSelection();
  KeibajouLst3->clearSelection();
  selectRow(CourseLst, afterRacecourseChoice(choice()).surfaceRow);
}

void TRaceForm::KeibajouLst3Click() {
  KeibajouLst->clearSelection();
  KeibajouLst2->clearSelection();
  selectRow(CourseLst, afterRacecourseChoice(choice()).surfaceRow);
}

void TRaceForm::KyoriLstClick() {
  KyoriLst2->clearSelection();
}

void TRaceForm::KyoriLst2Click() {
  KyoriLst->clearSelection();
}

RaceConditionsChoice TRaceForm::choice() const {
  RaceConditionsChoice c;
  const std::array<const QListWidget*, 3> courses{KeibajouLst, KeibajouLst2, KeibajouLst3};
  for (int list = 0; list < 3; ++list) {
    if (selectedRow(courses[list]) >= 0) {
      c.courseList = list;
      c.courseRow = selectedRow(courses[list]);
      break;
    }
  }
  c.surfaceRow = std::max(0, selectedRow(CourseLst));
  c.distanceRow = selectedRow(KyoriLst);
  c.longDistanceRow = selectedRow(KyoriLst2);
  c.goingRow = std::max(0, selectedRow(JoutaiLst));
  return c;
}

void TRaceForm::KanryouBtnClick() {
  // The question stands where this window is centred: on the main window.
  storeRaceConditions(app_, choice(), [this] {
    TUchiSotoForm question(this);
    question.centreOver(centredOver());
    question.showModal();
    return question.innerChosen();
  });
  accept();
}

void TRaceForm::ModoruBtnClick() {
  reject();
}

}  // namespace korvane::gui
