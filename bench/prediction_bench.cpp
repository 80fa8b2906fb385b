// One prediction of a full field: 18 runners with five runs each, and the same run followed by
// the table strings the result screen shows.

#include <benchmark/benchmark.h>

#include "core/app/app_state.hpp"
#include "core/flows/prediction.hpp"
#include "core/views/prediction_columns.hpp"
#include "generator/generator.hpp"

namespace {

using namespace korvane;

gen::RaceSet fullField() {
  gen::WorldOptions options;
  options.seed = 18;
  options.horses = 18;
  options.groupSize = 18;
  options.fullRecords = true;
  options.centralOnly = true;
  const gen::World world = gen::generateWorld(options);
  gen::Rng rng(5);
  gen::CardOptions card;
  card.runners = 18;
  card.odds = true;
  return gen::raceSet(world, gen::makeCard(world, rng, card));
}

void BM_PredictionRun(benchmark::State& state) {
  gen::QuietPlatform platform;
  AppState app(platform.dialogs, platform.clock, platform.writer);
  gen::loadInto(app, fullField());
  for (auto _ : state) {
    predictRace(app);
    benchmark::DoNotOptimize(app.result);
  }
}
BENCHMARK(BM_PredictionRun);

void BM_PredictionRunAndColumns(benchmark::State& state) {
  gen::QuietPlatform platform;
  AppState app(platform.dialogs, platform.clock, platform.writer);
  gen::loadInto(app, fullField());
  for (auto _ : state) {
    predictRace(app);
    PredictionColumns columns = buildPredictionColumns(app);
    benchmark::DoNotOptimize(columns);
  }
}
BENCHMARK(BM_PredictionRunAndColumns);

}  // namespace
