#include "gui/views/shirushi_form.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/app_state.hpp"
#include "core/output/prediction_page.hpp"
#include "core/views/development_marks.hpp"
#include "gui/platform/fonts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"
#include "gui/views/gosou_form.hpp"

namespace korvane::gui {

namespace {

// The mark column and reliability field of each development, 逃げ先行断然 first.
constexpr const char* kMarkColumns[][2] = {{"NigeDanLst", "NigeDanEdt"},
                                           {"NigeYuriLst", "NigeYuriEdt"},
                                           {"FumonLst", "FumonEdt"},
                                           {"SashiYuriLst", "SashiYuriEdt"},
                                           {"SashiDanLst", "SashiDanEdt"}};

}  // namespace

TShirushiForm::TShirushiForm(AppState& app, QWidget* owner) : BaseDialog(owner), app_(app) {
  setObjectName("ShirushiForm");
  setWindowTitle(qs("各展開による印"));

  const DevelopmentMarks marks = buildDevelopmentMarks(app);
  table_ = new SlotLists(this);
  table_->setObjectName("ShirushiTable");
  QListWidget* umabanLst = table_->addColumn("UmabanLst", 2, ColumnRole::Number);
  UmaLst = table_->addColumn("UmaLst", 18, ColumnRole::Name);
  QListWidget* kyakuLst = table_->addColumn("KyakuLst", 4, ColumnRole::Row);
  QWidget* t = table_;
  table_->addHeading(label(t, "Label21", qs("馬番")), 0);
  table_->addHeading(label(t, "Label13", qs("馬名（2回ｸﾘｯｸで成績）")), 1);
  table_->addHeading(label(t, "KyakuLbl", qs("脚質")), 2);
  table_->setSlots(app.card);
  table_->setItems(umabanLst, marks.umaban);
  table_->setItems(UmaLst, marks.name);
  table_->setItems(kyakuLst, marks.style);

  QLabel* shinraiLbl = label(t, "ShinraiLbl", toQt(predictionPageFrame(app).reliabilityCaption));
  table_->addFooter(shinraiLbl, 1);
  shinraiLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (int d = 0; d < kDevelopmentCount; ++d) {
    const int column = 3 + d;
    QListWidget* list = table_->addColumn(kMarkColumns[d][0], 3, ColumnRole::Row);
    table_->setItems(list, marks.marks[static_cast<std::size_t>(d)]);
    const auto& heading = developmentHeadings()[static_cast<std::size_t>(d)];
    table_->addHeading(label(t, nullptr, toQt(heading[0])), column, 1, 0);
    table_->addHeading(label(t, nullptr, toQt(heading[1])), column);
    auto* edit = new QLineEdit(toQt(marks.reliability[static_cast<std::size_t>(d)]), t);
    edit->setObjectName(kMarkColumns[d][1]);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFont(fixedFont());
    table_->addFooter(edit, column);
  }
  connect(table_, &SlotLists::selectionChanged, this,
          [this](int slot) { app_.selectedRunner = slot; });
  connect(table_, &SlotLists::selectedRowPressed, this, &TShirushiForm::UmaLstSelectedPress);
  table_->selectSlot(0);

  auto* tojiruBtn = button(this, "TojiruBtn", qs("閉じる"));
  tojiruBtn->setDefault(true);
  connect(tojiruBtn, &QPushButton::clicked, this, &TShirushiForm::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(tojiruBtn, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TShirushiForm::UmaLstSelectedPress(QListWidget* column, int) {
  if (column != UmaLst) return;
  TGosouForm gosou(app_, this);
  gosou.showModal();
}

}  // namespace korvane::gui
