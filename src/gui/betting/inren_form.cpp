#include "gui/betting/inren_form.hpp"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/app/app_state.hpp"
#include "gui/betting/input_form.hpp"
#include "gui/betting/odds_layout.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

TInRenForm::TInRenForm(AppState& app, QWidget* owner)
    : BaseDialog(owner), app_(app), odds_(app.card.runnerCount), ask_(askValueOver(this)) {
  setWindowTitle(qs("馬連オッズの入力"));

  table_ = new SlotLists(this);
  table_->setObjectName("QuinellaTable");
  UmarenLst = table_->addColumn("UmarenLst", 5, ColumnRole::Row);
  OddsLst = table_->addColumn("OddsLst", 6, ColumnRole::Row);
  table_->addHeading(label(table_, "UmarenLbl", qs("馬連")), 0);
  table_->addHeading(label(table_, "OddsLbl", qs("オッズ")), 1);

  QPushButton* oddsInputBtn = button(this, "OddsInputBtn", qs("馬連オッズ入力"));
  QPushButton* oddsChangeBtn = button(this, "OddsChangeBtn", qs("馬連オッズ修正"));
  QPushButton* kanryouBtn = button(this, "KanryouBtn", qs("完了"));
  layOutOddsWindow(*this, table_, {oddsInputBtn, oddsChangeBtn}, kanryouBtn);

  connect(oddsInputBtn, &QPushButton::clicked, this, &TInRenForm::OddsInputBtnClick);
  connect(oddsChangeBtn, &QPushButton::clicked, this, &TInRenForm::OddsChangeBtnClick);
  connect(kanryouBtn, &QPushButton::clicked, this, &TInRenForm::KanryouBtnClick);
  FillLists();
}

void TInRenForm::FillLists() {
  table_->setRows(odds_.entries());
  std::vector<std::string> pairs, odds;
  for (int i = 1; i <= odds_.entries(); ++i) {
    pairs.push_back(odds_.pairItem(i));
    odds.push_back(odds_.oddsItem(i));
  }
  table_->setItems(UmarenLst, pairs);
  table_->setItems(OddsLst, odds);
}

void TInRenForm::OddsInputBtnClick() {
  table_->selectSlot(0);
  enterAllQuinella(odds_, [this](const std::string& question, const std::string& value) {
    FillLists();  // the figure before shows before the next is asked
    return ask_(question, value);
  });
  FillLists();
}

void TInRenForm::OddsChangeBtnClick() {
  const int next = correctQuinella(app_.dialogs, odds_, table_->selectedSlot(), ask_);
  FillLists();
  table_->selectSlot(next);
}

void TInRenForm::KanryouBtnClick() {
  finishQuinella(app_, odds_);
  accept();
}

}  // namespace korvane::gui
