#pragma once
// The main window's actions on the horse list and the runner list: each asks and tells through
// the message and confirmation windows and leaves the selections where the window shows them.

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

// A horse clicked twice or double-clicked: made a runner unless the card is full or the horse
// already runs. True when it was added.
bool enterRunner(AppState& app, int horse);

// 出走馬へ: enters the current horse, then the next horse of the list becomes current (none
// after the last), so that pressing again enters the horses one after another.
void enterCurrentHorse(AppState& app);

// 削除: asks, then deletes the current horse; the horse that followed it becomes current.
// True when a horse was deleted.
bool deleteCurrentHorse(AppState& app);

// The runner list buttons on the selected slot; without a selection they do nothing.
enum class RunnerEdit { Remove, Scratch, Up, Down };
void editSelectedRunner(AppState& app, RunnerEdit edit);
// クリア: empties the runner slots; the race course stays.
void clearRunners(AppState& app);

// 予想 needs two runner slots; otherwise tells the user so and answers false.
bool enoughRunnersToPredict(AppState& app);

// The horse in the selected runner slot (0 for none or a scratched slot).
int selectedRunnerHorse(const AppState& app);

// 成績 of the horse list: the current horse, whose record opens; 0 after asking for a click.
int horseToShow(AppState& app);
// 成績 of the runner list: the horse of the selected slot, made the current horse; 0 after asking
// for a click on a runner.
int runnerToShow(AppState& app);

}  // namespace korvane
