// Moving old horses out of a full database: 750 of 12000 horses, spread over every page, found,
// written into the moved-horses file's lines and taken out of the store with the display order
// and the runner slots following.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/database/horse_record.hpp"
#include "core/database/race_card.hpp"
#include "core/database/store_edit.hpp"
#include "core/database/store_maintenance.hpp"
#include "generator/generator.hpp"

namespace {

using namespace korvane;

constexpr int kEvery = kMaxHorses / kMaxMovedHorses;  // one old horse in 16

// 12000 generated horses with five runs each; every 16th last ran in January 2005, the others in
// March 2009. Eighteen runners across the pages, some of them old.
struct Database {
  HorseStore store;
  TRaceCard card;
};

const Database& database() {
  static const Database db = [] {
    gen::WorldOptions options;
    options.horses = kMaxHorses;
    options.fullRecords = true;
    const gen::World world = gen::generateWorld(options);
    Database out;
    for (const gen::GenHorse& horse : world.horses) {
      const int n = appendBlock(out.store, horse.block);
      std::string courseDate(out.store.line(n, runLine(1, RunField::CourseDate)));
      courseDate.replace(2, 4, n % kEvery == 0 ? "0501" : "0903");
      out.store.setLine(n, runLine(1, RunField::CourseDate), courseDate);
    }
    sortOrderByName(out.store);
    for (int k = 1; k <= kMaxRunners; ++k) addRunner(out.card, k * 650);
    return out;
  }();
  return db;
}

// Finds the horses that have not raced for three years in March 2009, builds their file and
// takes them out of a fresh copy of the database with `remove`.
template <class Remove>
void moveOldHorses(benchmark::State& state, Remove remove) {
  const Database& base = database();
  for (auto _ : state) {
    state.PauseTiming();
    Database db = base;
    state.ResumeTiming();
    const std::vector<int> old = findOldHorses(db.store, 2009, 3, 3);
    const std::vector<std::string> file = movedHorsesFile(db.store, old);
    remove(db, old);
    benchmark::DoNotOptimize(file.data());
    if (db.store.count != kMaxHorses - kMaxMovedHorses) state.SkipWithError("wrong count");
  }
}

void BM_MoveOldHorses(benchmark::State& state) {
  moveOldHorses(state, [](Database& db, const std::vector<int>& old) {
    deleteHorses(db.store, db.card, old);
  });
}
BENCHMARK(BM_MoveOldHorses)->Unit(benchmark::kMillisecond);

// The same horses deleted one at a time, each deletion closing its gap across the later pages:
// what the single pass saves.
void BM_MoveOldHorsesOneByOne(benchmark::State& state) {
  moveOldHorses(state, [](Database& db, const std::vector<int>& old) {
    for (auto it = old.rbegin(); it != old.rend(); ++it) deleteHorse(db.store, db.card, *it);
  });
}
BENCHMARK(BM_MoveOldHorsesOneByOne)->Unit(benchmark::kMillisecond);

}  // namespace
