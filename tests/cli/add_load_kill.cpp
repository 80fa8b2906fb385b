// Kills `korvane-cli add-load` with SIGKILL while it updates a nearly full all-horses set, and
// checks after every trial that `korvane-cli check` finds a set that loads as exactly the set
// before the add-load or exactly the set after it, never a mix and never a set that fails to load.
// Every other trial is killed at a random moment; the others are killed the moment the save's
// commit marker stands, while the files are being moved into place, and must give the new set.
// Each trial's race file carries newer runs of the same horses, so every finished add-load
// changes the set.
//
//   korvane_add_load_kill KORVANE_CLI WORK_FOLDER [TRIALS]
// The set is made in a folder of its own inside WORK_FOLDER and removed at the end.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "core/database/horse_record.hpp"
#include "core/database/race_files.hpp"
#include "core/database/store_files.hpp"
#include "core/text/sjis.hpp"
#include "generator/generator.hpp"
#include "tests/support/store_lines.hpp"

namespace {

using namespace korvane;
namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

constexpr int kHorses = 11999;  // one below the limit: the add-load refuses a full set outright
constexpr int kRunners = 18;

// Starts the program with its output sent to /dev/null; returns its process id.
pid_t start(const std::vector<std::string>& args) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    std::_Exit(127);
  }
  return pid;
}

// Waits until the save's commit marker stands or the program has ended (it is not reaped here).
// True when the marker was seen while the program still ran.
bool waitForCommit(pid_t pid, const fs::path& marker) {
  const auto deadline = Steady::now() + std::chrono::seconds(30);
  while (Steady::now() < deadline) {
    std::error_code error;
    if (fs::exists(marker, error)) return true;
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
        info.si_pid == pid) {
      return false;
    }
  }
  return false;
}

int finish(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// The runners' blocks with every present run moved `years` years later: newer form, same names.
std::vector<std::string> newerRaceFile(const HorseStore& store, const std::vector<int>& horses,
                                       int years) {
  static const std::string noRun = sj("無");
  std::vector<std::string> lines =
      gen::headerLines(TRaceCard(), gen::kRaceFileBanner, static_cast<int>(horses.size()));
  for (int n : horses) {
    const BlockLines stored = store.block(n);
    const std::span<const std::string_view> storedLines = stored;
    std::vector<std::string> block(storedLines.begin(), storedLines.end());
    for (int r = 1; r <= kRuns; ++r) {
      if (block[runLine(r, RunField::Surface) - 1] == noRun) continue;
      std::string& courseDate = block[runLine(r, RunField::CourseDate) - 1];
      const int year = (std::stoi(courseDate.substr(2, 2)) + years) % 100;
      courseDate.replace(2, 2, (year < 10 ? "0" : "") + std::to_string(year));
    }
    lines.insert(lines.end(), block.begin(), block.end());
  }
  return lines;
}

std::optional<HorseStore> loadSet(const fs::path& data) {
  AtomicLineWriter writer;
  auto loaded = readAllHorses(data, writer);
  if (std::holds_alternative<LoadError>(loaded)) return std::nullopt;
  return std::move(std::get<LoadedSet>(loaded).store);
}

bool sameSet(const HorseStore& a, const HorseStore& b) {
  return a.count == b.count && storeLines(a) == storeLines(b) && a.order == b.order;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: korvane_add_load_kill KORVANE_CLI WORK_FOLDER [TRIALS]\n";
    return 2;
  }
  const std::string cli = argv[1];
  const fs::path work = fs::path(argv[2]) / ("add_load_kill_" + std::to_string(::getpid()));
  const int trials = argc > 3 ? std::atoi(argv[3]) : 30;
  const fs::path data = work / "data";
  fs::remove_all(work);
  fs::create_directories(data);

  gen::WorldOptions options;
  options.seed = 7;
  options.horses = kHorses;
  const gen::World world = gen::generateWorld(options);
  AtomicLineWriter writer;
  if (!gen::writeAllHorses(gen::allHorsesFiles(world, TRaceCard()), data, writer)) {
    std::cerr << "cannot write the set into " << data << "\n";
    return 1;
  }
  std::optional<HorseStore> current = loadSet(data);
  if (!current) return 1;
  const HorseStore original = *current;
  std::vector<int> runners;
  for (int k = 0; k < kRunners; ++k) runners.push_back(1 + k * (kHorses / kRunners));

  // One add-load that runs to its end gives the span in which the kills land.
  const auto runTrial = [&](int trial) {
    const fs::path race = work / ("race" + std::to_string(trial) + ".uma");
    const std::vector<std::string> lines = newerRaceFile(original, runners, trial);
    writer.writeLines(race, lines);
    HorseStore expected = *current;
    addLoadFile(expected, race);
    return std::make_pair(race, expected);
  };
  auto [firstRace, firstExpected] = runTrial(1);
  const auto begun = Steady::now();
  if (finish(start({cli, "add-load", data.string(), firstRace.string()})) != 0) {
    std::cerr << "the uninterrupted add-load failed\n";
    return 1;
  }
  const auto span = Steady::now() - begun;
  current = loadSet(data);
  if (!current || !sameSet(*current, firstExpected)) {
    std::cerr << "the uninterrupted add-load did not give the merged set\n";
    return 1;
  }

  const unsigned seed = static_cast<unsigned>(Steady::now().time_since_epoch().count());
  std::mt19937 random(seed);
  const auto spanMicros = std::chrono::duration_cast<std::chrono::microseconds>(span).count();
  std::uniform_int_distribution<long> delay(0, spanMicros * 6 / 5);
  const fs::path marker = data / ".korvane-saving" / "commit";
  int oldSets = 0, newSets = 0, broken = 0, afterCommit = 0;
  for (int trial = 2; trial < trials + 2; ++trial) {
    auto [race, expected] = runTrial(trial);
    const pid_t child = start({cli, "add-load", data.string(), race.string()});
    bool committed = false;
    if (trial % 2 == 0) {
      committed = waitForCommit(child, marker);
    } else {
      std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    }
    ::kill(child, SIGKILL);
    finish(child);
    afterCommit += committed ? 1 : 0;

    const int checked = finish(start({cli, "check", data.string()}));
    const std::optional<HorseStore> after = loadSet(data);
    if (checked != 0 || !after) {
      ++broken;
      std::cerr << "trial " << trial << ": the set no longer loads\n";
      break;
    }
    if (committed && !sameSet(*after, expected)) {
      ++broken;
      std::cerr << "trial " << trial << ": a committed save was not finished\n";
      break;
    }
    if (sameSet(*after, *current)) {
      ++oldSets;
    } else if (sameSet(*after, expected)) {
      ++newSets;
    } else {
      ++broken;
      std::cerr << "trial " << trial << ": the set is a mix of two saves\n";
      break;
    }
    current = after;
  }

  // After all the kills an add-load still goes through.
  auto [lastRace, lastExpected] = runTrial(trials + 2);
  const int lastStatus = finish(start({cli, "add-load", data.string(), lastRace.string()}));
  current = loadSet(data);
  const bool lastWorks = lastStatus == 0 && current && sameSet(*current, lastExpected);

  std::cout << trials << " trials killed within " << spanMicros / 1000 << " ms (seed " << seed
            << "): " << oldSets << " old set, " << newSets << " new set (" << afterCommit
            << " killed after the commit), " << broken << " broken; the next add-load " << (lastWorks ? "went through" : "FAILED") << "\n";
  fs::remove_all(work);
  return broken == 0 && lastWorks ? 0 : 1;
}
