#include "core/flows/prediction.hpp"

#include "core/app/app_state.hpp"

namespace korvane {

void predictRace(AppState& app, const ProgressFn& progress) {
  app.result = runPrediction(app.engine, app.store, app.card, app.marking(), progress);
}

void remarkRace(AppState& app) {
  remark(app.result, app.card, app.card.development, app.marking());
}

void chooseDevelopment(AppState& app, const std::string& development) {
  app.card.development = development;
  app.store.modified = true;
  remarkRace(app);
}

}  // namespace korvane
