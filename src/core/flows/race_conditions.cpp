#include "core/flows/race_conditions.hpp"

#include "core/app/app_state.hpp"

namespace korvane {

void storeRaceConditions(AppState& app, const RaceConditionsChoice& choice,
                         const AskInnerFn& askInner) {
  applyRaceConditions(app.card, choice, askInner);
  app.store.modified = true;
}

RaceConditionsChoice afterRacecourseChoice(RaceConditionsChoice choice) {
  if (choice.courseList == 1 || choice.courseList == 2) choice.surfaceRow = 1;
  return choice;
}

}  // namespace korvane
