#pragma once
// The race conditions window's 完了.

#include "core/engine/race_conditions.hpp"

namespace korvane {

struct AppState;

// Stores the choice into the race card (asking for the course where needed), resets the
// development to the standard one and marks the horse database modified: the race card is saved
// with it.
void storeRaceConditions(AppState& app, const RaceConditionsChoice& choice,
                         const AskInnerFn& askInner);

// The choice once a racecourse is picked: the local racecourses (KeibajouLst2, KeibajouLst3) run
// on dirt only, so the surface becomes ダート; the user may still switch it back.
RaceConditionsChoice afterRacecourseChoice(RaceConditionsChoice choice);

}  // namespace korvane
