#include "gui/views/user_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/flows/judgement.hpp"
#include "core/views/prediction_columns.hpp"
#include "core/flows/user_evaluation.hpp"
#include "gui/betting/hantei_form.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/views/gosou_form.hpp"

namespace korvane::gui {

namespace {

constexpr const char* kClassColumns[] = {"HyoukaALst", "HyoukaBLst", "HyoukaCLst", "HyoukaDLst",
                                         "HyoukaELst"};

constexpr Hint kHints[] = {
    {"Label21", "馬番です。クリックすると、馬名選択が解除されます。"},
    {"Label13", "出走馬名です。"},
};

}  // namespace

TUserForm::TUserForm(AppState& app, QWidget* owner) : BaseDialog(owner), app_(app) {
  setObjectName("UserForm");
  setWindowTitle(qs("ユーザー予想の入力"));
  buildTable();

  CursorLbl = label(this, "CursorLbl");
  SelectLbl = label(this, "SelectLbl");
  for (QLabel* l : {CursorLbl, SelectLbl}) l->setFont(fixedFont());
  HanteiBtn = button(this, "HanteiBtn", qs("判定"));
  HanteiBtn->setDefault(true);
  auto* resetBtn = button(this, "ResetBtn", qs("リセット"));
  auto* toziruBtn = button(this, "ToziruBtn", qs("閉じる"));
  connect(HanteiBtn, &QPushButton::clicked, this, &TUserForm::HanteiBtnClick);
  connect(resetBtn, &QPushButton::clicked, this, &TUserForm::ResetBtnClick);
  connect(toziruBtn, &QPushButton::clicked, this, &TUserForm::reject);

  auto* bottom = new QHBoxLayout;
  auto* pointer = new QVBoxLayout;
  pointer->addWidget(CursorLbl);
  pointer->addWidget(SelectLbl);
  bottom->addLayout(pointer);
  bottom->addStretch();
  for (QPushButton* b : {HanteiBtn, resetBtn, toziruBtn}) bottom->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 0, Qt::AlignLeft);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setHints(*this, kHints);

  const PredictionColumns columns = buildPredictionColumns(app);
  table_->setSlots(app.card);
  table_->setItems(table_->findChild<QListWidget*>("UmabanLst"), columns.umaban);
  table_->setItems(UmaLst, columns.name);
  FillClasses();
  PointerAway();
  table_->selectSlot(0);
}

void TUserForm::buildTable() {
  table_ = new SlotLists(this);
  table_->setObjectName("UserTable");
  table_->addColumn("UmabanLst", 2, ColumnRole::Number);
  UmaLst = table_->addColumn("UmaLst", 18, ColumnRole::Name);
  QWidget* t = table_;
  table_->addHeading(label(t, "Label21", qs("馬番")), 0);
  table_->addHeading(label(t, "Label13", qs("馬名（2回ｸﾘｯｸで成績）")), 1);

  const QString hint = toQt(userEvaluationHint());
  QLabel* heading = label(t, "HyoukaLbl", toQt(userEvaluationHeading()));
  heading->setFont(fixedFont());
  heading->setToolTip(hint);
  table_->addHeading(heading, 2, kUserClassCount, 0);
  for (int c = 1; c <= kUserClassCount; ++c) {
    SlotColumn* column = table_->addColumn(kClassColumns[c - 1], 10, ColumnRole::Own);
    // The labels under the table follow the pointer over the classes.
    column->viewport()->setMouseTracking(true);
    connect(column, &SlotColumn::pressedAt, this, [this, c](int y) { ClassPress(c, y); });
    connect(column, &SlotColumn::pointerAt, this, [this, c](int y) { ClassPointer(c, y); });
    connect(column, &SlotColumn::pointerLeft, this, &TUserForm::PointerAway);
    classColumns_[static_cast<std::size_t>(c - 1)] = column;
    QLabel* caption =
        label(t, nullptr, toQt(userClassNames()[static_cast<std::size_t>(c - 1)]));
    caption->setToolTip(hint);
    table_->addHeading(caption, 1 + c);
  }

  connect(table_, &SlotLists::selectionChanged, this,
          [this](int slot) { app_.selectedRunner = slot; });
  connect(table_, &SlotLists::selectedRowPressed, this, &TUserForm::UmaLstSelectedPress);
}

void TUserForm::FillClasses() {
  for (int c = 1; c <= kUserClassCount; ++c) {
    table_->setItems(classColumns_[static_cast<std::size_t>(c - 1)],
                     userClassColumn(app_.card, c));
  }
}

void TUserForm::ClassPress(int userClass, int y) {
  if (!setUserClass(app_, y / table_->rowHeight() + 1, userClass)) return;
  FillClasses();
  table_->selectSlot(0);
  HanteiBtn->setFocus();
}

void TUserForm::ClassPointer(int userClass, int y) {
  SlotColumn* column = classColumns_[static_cast<std::size_t>(userClass - 1)];
  const int row = rowUnderPointer(y, column->viewport()->height());
  for (SlotColumn* other : classColumns_) other->clearSelection();
  CursorLbl->setText(toQt(cursorLabel(userClass)));
  SelectLbl->setText(toQt(selectLabel(app_, row)));
  if (row <= column->count()) column->setCurrentRow(row - 1, QItemSelectionModel::ClearAndSelect);
}

void TUserForm::PointerAway() {
  for (SlotColumn* column : classColumns_) column->clearSelection();
  CursorLbl->setText(toQt(cursorLabel(0)));
  SelectLbl->setText(toQt(selectLabel(app_, 0)));
}

void TUserForm::UmaLstSelectedPress(QListWidget* column, int) {
  if (column != UmaLst) return;
  TGosouForm gosou(app_, this);
  gosou.showModal();
}

// The judgement weighs the classes given here; this window stays open beneath it.
void TUserForm::HanteiBtnClick() {
  if (!mayJudge(app_)) return;
  THanteiForm judgement(app_, UserEvaluations::FromCard, this);
  judgement.showModal();
}

void TUserForm::ResetBtnClick() {
  if (resetUserClasses(app_)) FillClasses();
}

}  // namespace korvane::gui
