#include "core/flows/new_horse.hpp"

#include "core/app/app_state.hpp"
#include "core/database/store_edit.hpp"
#include "core/entry/entry_texts.hpp"

namespace korvane {

bool roomForNewHorse(AppState& app) {
  if (app.store.count < kMaxHorses) return true;
  app.dialogs.message(tooManyHorsesMessage());
  return false;
}

std::optional<std::string> acceptTypedName(Dialogs& dialogs, std::string_view typed) {
  std::optional<std::string> name = nameFromWindow(typed);
  if (!name) dialogs.message(noNameMessage());
  return name;
}

bool registerNewHorse(AppState& app, const NameChoice& choice) {
  int added = 0;
  switch (registerHorse(app.store, choice, added)) {
    case Registration::Added:
      app.currentHorse = added;
      return true;
    case Registration::SameName:
      app.dialogs.message(sameNameMessage());
      return false;
    case Registration::StoreFull:
      app.dialogs.message(tooManyHorsesMessage());
      return false;
  }
  return false;
}

}  // namespace korvane
