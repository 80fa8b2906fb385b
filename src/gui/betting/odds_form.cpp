#include "gui/betting/odds_form.hpp"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/database/race_card.hpp"
#include "gui/betting/input_form.hpp"
#include "gui/betting/inren_form.hpp"
#include "gui/betting/odds_layout.hpp"
#include "gui/platform/slot_lists.hpp"
#include "gui/platform/widget_helpers.hpp"

namespace korvane::gui {

TOddsForm::TOddsForm(AppState& app, const PredictionColumns& shown, QWidget* owner)
    : BaseDialog(owner),
      app_(app),
      umaban_(shown.umaban),
      names_(shown.name.begin(),
             shown.name.begin() +
                 std::min<std::ptrdiff_t>(app.card.runnerCount, std::ssize(shown.name))),
      ask_(askValueOver(this)) {
  setWindowTitle(qs("オッズの入力"));

  table_ = new SlotLists(this);
  table_->setObjectName("OddsTable");
  UmabanLst = table_->addColumn("UmabanLst", 2, ColumnRole::Number);
  UmaLst = table_->addColumn("UmaLst", 18, ColumnRole::Name);
  NinkiLst = table_->addColumn("NinkiLst", 3, ColumnRole::Row);
  OddsLst = table_->addColumn("OddsLst", 5, ColumnRole::Row);
  table_->addHeading(label(table_, "UmabanLbl", qs("馬番")), 0);
  table_->addHeading(label(table_, "UmaLbl", qs("馬名")), 1);
  table_->addHeading(label(table_, "NinkiLbl", qs("人気")), 2);
  table_->addHeading(label(table_, "OddsLbl", qs("単オッズ")), 3);

  QPushButton* oddsInputBtn = button(this, "OddsInputBtn", qs("単勝オッズ入力"));
  QPushButton* oddsChangeBtn = button(this, "OddsChangeBtn", qs("単勝オッズ修正"));
  QPushButton* oddsClearBtn = button(this, "OddsClearBtn", qs("単勝オッズクリア"));
  QPushButton* renOddsBtn = button(this, "RenOddsBtn", qs("馬連オッズ入力"));
  QPushButton* kanryouBtn = button(this, "KanryouBtn", qs("完了"));
  layOutOddsWindow(*this, table_, {oddsInputBtn, oddsChangeBtn, oddsClearBtn, renOddsBtn},
                   kanryouBtn);

  connect(oddsInputBtn, &QPushButton::clicked, this, &TOddsForm::OddsInputBtnClick);
  connect(oddsChangeBtn, &QPushButton::clicked, this, &TOddsForm::OddsChangeBtnClick);
  connect(oddsClearBtn, &QPushButton::clicked, this, &TOddsForm::OddsClearBtnClick);
  connect(renOddsBtn, &QPushButton::clicked, this, &TOddsForm::RenOddsBtnClick);
  connect(kanryouBtn, &QPushButton::clicked, this, &TOddsForm::KanryouBtnClick);
}

void TOddsForm::showEvent(QShowEvent* event) {
  BaseDialog::showEvent(event);
  if (event->spontaneous()) return;
  recomputeOdds(app_.card);
  FillLists();
}

void TOddsForm::FillLists() {
  table_->setSlots(app_.card);
  std::vector<std::string> popularity, odds;
  for (int k = 1; k <= app_.card.runnerCount; ++k) {
    popularity.push_back(popularityItem(app_.card, k));
    odds.push_back(winOddsItem(app_.card, k));
  }
  table_->setItems(UmabanLst, umaban_);
  table_->setItems(UmaLst, names_);
  table_->setItems(NinkiLst, popularity);
  table_->setItems(OddsLst, odds);
}

void TOddsForm::OddsInputBtnClick() {
  table_->selectSlot(0);
  enterAllWinOdds(app_, [this](const std::string& question, const std::string& value) {
    // Each figure shows in the list, with the popularity it gives, before the next is asked.
    FillLists();
    return ask_(question, value);
  });
  FillLists();
}

void TOddsForm::OddsChangeBtnClick() {
  const int next = correctWinOdds(app_, table_->selectedSlot(), ask_);
  FillLists();
  table_->selectSlot(next);
}

void TOddsForm::OddsClearBtnClick() {
  if (clearWinOdds(app_)) FillLists();
}

void TOddsForm::RenOddsBtnClick() {
  if (!mayEnterQuinella(app_)) return;
  TInRenForm quinella(app_, this);
  quinella.showModal();
  FillLists();
}

void TOddsForm::KanryouBtnClick() {
  accept();
}

}  // namespace korvane::gui
