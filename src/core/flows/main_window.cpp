#include "core/flows/main_window.hpp"

#include "core/app/app_state.hpp"
#include "core/app/main_lists.hpp"
#include "core/database/horse_fields.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

void pleaseClickAHorse(AppState& app) {
  app.dialogs.message({sj("馬名をクリックしてからお願いします。")});
}

bool refuseFullCard(AppState& app) {
  if (app.card.runnerCount < kMaxRunners) return false;
  app.dialogs.message({sj("すでに出走馬に１８頭登録されています。")});
  return true;
}

}  // namespace

bool enterRunner(AppState& app, int horse) {
  if (horse < 1 || horse > app.store.count) return false;
  if (refuseFullCard(app)) return false;
  if (!addRunner(app.card, horse)) {
    app.dialogs.message({sj("その馬は、すでに出走馬に登録されています。")});
    return false;
  }
  app.store.modified = true;
  return true;
}

void enterCurrentHorse(AppState& app) {
  if (app.currentHorse == 0) {
    pleaseClickAHorse(app);
    return;
  }
  // A full card keeps the current horse, so the user sees which one did not get in.
  if (refuseFullCard(app)) return;
  enterRunner(app, app.currentHorse);
  const int next = orderPosition(app.store, app.currentHorse) + 1;
  app.currentHorse =
      next > 0 && next < app.store.count ? app.store.order[static_cast<std::size_t>(next)] : 0;
}

bool deleteCurrentHorse(AppState& app) {
  if (app.currentHorse == 0) {
    pleaseClickAHorse(app);
    return false;
  }
  if (!app.dialogs.confirm(horseName(app.store, app.currentHorse), sj("を削除します。"))) {
    return false;
  }
  app.currentHorse = deleteHorse(app.store, app.card, app.currentHorse);
  return true;
}

void editSelectedRunner(AppState& app, RunnerEdit edit) {
  const int slot = app.selectedSlot;
  TRaceCard& card = app.card;
  if (slot < 1 || slot > card.runnerCount) return;
  switch (edit) {
    case RunnerEdit::Remove:
      removeRunner(card, slot);
      // The runner that moved up into the slot stays selected; removing the last leaves none.
      if (slot > card.runnerCount) app.selectedSlot = 0;
      break;
    case RunnerEdit::Scratch:
      scratch(card, slot);
      break;
    case RunnerEdit::Up:
      if (slot < 2) return;
      moveUp(card, slot);
      app.selectedSlot = slot - 1;
      break;
    case RunnerEdit::Down:
      if (slot >= card.runnerCount) return;
      moveDown(card, slot);
      app.selectedSlot = slot + 1;
      break;
  }
  app.store.modified = true;
}

void clearRunners(AppState& app) {
  clearCard(app.card);
  app.selectedSlot = 0;
  app.store.modified = true;
}

bool enoughRunnersToPredict(AppState& app) {
  if (app.card.runnerCount > 1) return true;
  app.dialogs.message({sj("出走馬に２頭以上登録してからお願いします。")});
  return false;
}

int selectedRunnerHorse(const AppState& app) {
  const int slot = app.selectedSlot;
  if (slot < 1 || slot > app.card.runnerCount) return 0;
  return app.card.runner[static_cast<std::size_t>(slot)];
}

int horseToShow(AppState& app) {
  if (app.currentHorse == 0) pleaseClickAHorse(app);
  return app.currentHorse;
}

int runnerToShow(AppState& app) {
  const int horse = selectedRunnerHorse(app);
  if (horse == 0) {
    app.dialogs.message({sj("出走馬名をクリックしてからお願いします。")});
    return 0;
  }
  app.currentHorse = horse;
  return horse;
}

}  // namespace korvane
