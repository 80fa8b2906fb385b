#pragma once
// A simulated racing world: groups of horses (a class of one region, surface and distance band)
// that meet month after month at the racecourses open in that month. Every registered horse
// keeps its last five runs from these meetings as the 42 lines of its block, so the runners of a
// card drawn from one group have met each other at the same course, month, going and distance,
// which is what the prediction compares.

#include <cstdint>
#include <string>
#include <vector>

#include "core/database/race_card.hpp"
#include "generator/rng.hpp"

namespace korvane::gen {

struct WorldOptions {
  std::uint64_t seed = 1;
  int horses = 200;    // registered horses, 0..12000
  int groupSize = 30;  // horses per group (the last group takes the rest)
  int endYear = 2009;  // the newest meeting month
  int endMonth = 3;
  bool fullRecords = false;  // every horse has five runs, every field entered (benchmarks)
  bool centralOnly = false;  // only groups of the central racecourses
};

// One group of horses that race against each other.
struct Group {
  int region = 0;  // 0 east, 1 west, 2 南関東, 3 東海・兵庫
  bool turf = true;
  int mainDistance = 1600;
  int distanceLow = 1400, distanceHigh = 1800;
  double level = 0.0;        // class of the group: higher runs faster
  std::vector<int> members;  // horse indexes (1-based)
  // The race the group ran most often: the natural race card for its horses.
  int featuredCourse = 0;  // index into the course table
  int featuredDistance = 1600;
};

struct GenHorse {
  std::vector<std::string> block;  // the 42 lines, cp932
  int group = 0;
  double ability = 0.0;
  int runs = 0;  // present runs
};

struct World {
  std::vector<GenHorse> horses;  // horse n is horses[n - 1]
  std::vector<Group> groups;
};

World generateWorld(const WorldOptions& options);

struct CardOptions {
  int group = -1;      // the group the runners come from; -1 = the largest
  int runners = 12;    // slots, scratched ones included (at most the group's size)
  int scratched = 0;   // slots turned 出走取消
  bool odds = false;   // win odds for every slot
  int disregards = 0;  // runs flagged 度外視 across the card
};

// A race card over the world's horse indexes: the group's featured course and distance (with
// the inner or outer turf course where the racecourse has both), its standard development.
TRaceCard makeCard(const World& world, Rng& rng, const CardOptions& options);

// Name of the racecourse as the race conditions window stores it, e.g. 京都(外) (cp932).
std::string cardCourseName(int course, bool turf, int distance);

}  // namespace korvane::gen
