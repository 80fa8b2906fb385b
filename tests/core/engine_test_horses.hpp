#pragma once
// Small literal horses for the engine tests: each run is written line by line into a new block
// of a HorseStore, and a race card is put together from the horses' indexes.

#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "tests/support/scripted_dialogs.hpp"
#include "core/text/sjis.hpp"

namespace korvane::testing {

// One past run, as the entry screen would store it (UTF-8 here, cp932 in the block).
struct PastRun {
  std::string surface = "芝";
  int distance = 1600;
  std::string course = "東";
  std::string yymm = "0903";
  std::string time = "1331";
  std::string corners = " 3 3 3";
  int last3F = 345;
  std::string going = "良";
  int finish = 1;
};

// Appends a horse whose runs 1, 2, … are `runs` (the rest stay empty) and returns its index.
inline int addHorse(HorseStore& store, const std::string& name, const std::vector<PastRun>& runs) {
  std::vector<std::string> record = placeholderRecord(identityLine(sj(name), 4, sj("牡")));
  for (std::size_t i = 0; i < runs.size() && i < 5; ++i) {
    const PastRun& run = runs[i];
    const int r = static_cast<int>(i) + 1;
    auto put = [&](RunField f, std::string text) { record[runLine(r, f) - 1] = std::move(text); };
    put(RunField::Surface, sj(run.surface));
    put(RunField::Distance, padLeft(std::to_string(run.distance), 4));
    put(RunField::CourseDate, sj(run.course) + run.yymm);
    put(RunField::Time, run.time);
    put(RunField::Corners, run.corners);
    put(RunField::Last3F, std::to_string(run.last3F));
    put(RunField::Going, sj(run.going));
    put(RunField::Finish, std::to_string(run.finish));
  }
  return appendHorse(store, record);
}

// An AppState with its own platform doubles, for a race on 東京 芝 1600 m 良 under 展開不問 (the
// standard development there).
struct EngineFixture {
  ScriptedDialogs dialogs;
  FixedClock clock;
  FailingWriter writer;
  AppState app{dialogs, clock, writer};

  EngineFixture() {
    app.card.distance = 1600;
    app.card.course = sj("東京");
    app.card.surface = sj("芝");
    app.card.going = sj("良");
    app.card.development = sj("展開不問");
  }
  // Adds a runner slot for a new horse (or a scratched slot for an empty name).
  int runner(const std::string& name, const std::vector<PastRun>& runs = {}) {
    const int horse = name.empty() ? 0 : addHorse(app.store, name, runs);
    const int slot = ++app.card.runnerCount;
    app.card.runner[slot] = horse;
    return slot;
  }
  const RunnerResult& result(int slot) const { return app.result.runner[slot]; }
};

}  // namespace korvane::testing
