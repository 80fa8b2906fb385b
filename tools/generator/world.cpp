#include "generator/world.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

#include "core/database/horse_record.hpp"
#include "generator/names.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane::gen {

namespace {

enum Region { kEast = 0, kWest = 1, kMinamiKanto = 2, kTokaiHyogo = 3, kNorth = 4 };

struct CourseInfo {
  const char* name;  // UTF-8
  const char* code;  // UTF-8, the run line's one-character code
  int region;
  std::vector<int> turf, dirt;  // distances run there
};

const std::vector<CourseInfo>& courses() {
  static const std::vector<CourseInfo> table{
      {"東京", "東", kEast, {1400, 1600, 1800, 2000, 2300, 2400, 3400}, {1300, 1400, 1600, 2100}},
      {"中山", "中", kEast, {1200, 1600, 1800, 2000, 2200, 2500, 3600}, {1200, 1800, 2400}},
      {"福島", "福", kEast, {1200, 1800, 2000, 2600}, {1150, 1700, 2400}},
      {"新潟", "新", kEast, {1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400}, {1200, 1800}},
      {"京都",
       "京",
       kWest,
       {1200, 1400, 1600, 1800, 2000, 2200, 2400, 3000, 3200},
       {1200, 1400, 1800, 1900}},
      {"阪神",
       "阪",
       kWest,
       {1200, 1400, 1600, 1800, 2000, 2200, 2400, 3000},
       {1200, 1400, 1800, 2000}},
      {"中京", "名", kWest, {1200, 1700, 1800, 2000}, {1000, 1700, 2300}},
      {"小倉", "小", kWest, {1200, 1700, 1800, 2000, 2600}, {1000, 1700}},
      {"札幌", "札", kNorth, {1200, 1500, 1800, 2000, 2600}, {1000, 1700}},
      {"函館", "函", kNorth, {1200, 1800, 2000, 2600}, {1000, 1700}},
      {"大井", "大", kMinamiKanto, {}, {1200, 1400, 1600, 1800, 2000}},
      {"川崎", "川", kMinamiKanto, {}, {900, 1400, 1500, 1600, 2100}},
      {"船橋", "船", kMinamiKanto, {}, {1000, 1200, 1500, 1600, 1800}},
      {"浦和", "浦", kMinamiKanto, {}, {800, 1400, 1500, 1900, 2000}},
      {"名古屋", "屋", kTokaiHyogo, {}, {800, 1400, 1600, 1900}},
      {"笠松", "笠", kTokaiHyogo, {}, {800, 1400, 1600, 1900}},
      {"園田", "園", kTokaiHyogo, {}, {800, 1400, 1700, 1900}},
      {"姫路", "姫", kTokaiHyogo, {}, {800, 1400, 1800}},
  };
  return table;
}

// The central racecourses open in each month (1..12), by their index in courses().
const std::array<std::vector<int>, 13>& centralCalendar() {
  static const std::array<std::vector<int>, 13> months{{
      {},
      {1, 4, 7},     // 1月: 中山 京都 小倉
      {0, 4, 7},     // 2月: 東京 京都 小倉
      {1, 5, 6},     // 3月: 中山 阪神 中京
      {1, 5, 2},     // 4月: 中山 阪神 福島
      {0, 4, 3},     // 5月: 東京 京都 新潟
      {0, 5, 2},     // 6月: 東京 阪神 福島
      {2, 3, 6, 9},  // 7月: 福島 新潟 中京 函館
      {3, 7, 8, 9},  // 8月: 新潟 小倉 札幌 函館
      {1, 5, 8},     // 9月: 中山 阪神 札幌
      {0, 4, 3},     // 10月: 東京 京都 新潟
      {0, 4, 2},     // 11月: 東京 京都 福島
      {1, 5, 6},     // 12月: 中山 阪神 中京
  }};
  return months;
}

// Racecourses where a group of the region may run in the month.
std::vector<int> openCourses(int region, int month) {
  std::vector<int> open;
  if (region == kEast || region == kWest) {
    for (int c : centralCalendar()[month]) {
      const int r = courses()[c].region;
      if (r == region || r == kNorth) open.push_back(c);
    }
  } else {
    for (int c = 0; c < static_cast<int>(courses().size()); ++c) {
      if (courses()[c].region == region) open.push_back(c);
    }
  }
  return open;
}

const std::vector<int>& distancesOf(int course, bool turf) {
  return turf ? courses()[course].turf : courses()[course].dirt;
}

bool isLocal(int course) {
  return courses()[course].region >= kMinamiKanto && courses()[course].region != kNorth;
}

// Goings of a run line: 良 稍 重 不.
constexpr int kGoings = 4;
const std::array<std::string, kGoings>& goingMarks() {
  static const std::array<std::string, kGoings> marks{sj("良"), sj("稍"), sj("重"), sj("不")};
  return marks;
}

int drawGoing(Rng& rng) {
  return rng.weighted({70, 15, 10, 5});
}

// The going of a meeting (racecourse, month, surface) is the same for every group that runs
// there, so that horses of different classes can still be compared on the day.
int meetingGoing(std::uint64_t seed, int course, int monthIndex, bool turf) {
  Rng rng(seed ^ (0x9E37ull * static_cast<std::uint64_t>(course + 1)) ^
          (0x85EBCA6Bull * static_cast<std::uint64_t>(monthIndex + 1)) ^ (turf ? 0x51ull : 0x0ull));
  rng.next();
  return drawGoing(rng);
}

// The distance of the group's race at a course: its favourite distance where the course has it,
// else one inside its band, else the course's distance nearest to the band.
int raceDistance(Rng& rng, const Group& g, int course, bool turf) {
  const auto& offered = distancesOf(course, turf);
  if (turf == g.turf &&
      std::find(offered.begin(), offered.end(), g.mainDistance) != offered.end() &&
      rng.chance(0.65)) {
    return g.mainDistance;
  }
  std::vector<int> inBand;
  for (int d : offered) {
    if (d >= g.distanceLow && d <= g.distanceHigh) inBand.push_back(d);
  }
  if (!inBand.empty()) return inBand[rng.between(0, static_cast<int>(inBand.size()) - 1)];
  const int centre = (g.distanceLow + g.distanceHigh) / 2;
  int best = offered.front();
  for (int d : offered) {
    if (std::abs(d - centre) < std::abs(best - centre)) best = d;
  }
  return best;
}

// Winning time in tenths of a second for the distance, surface and going.
int winningTenths(int distance, bool turf, int going, bool local, double level, Rng& rng) {
  const double per200 = 11.4 + 0.0004 * (distance - 1000);
  double seconds = distance / 200.0 * per200;
  if (!turf) seconds *= 1.055;
  if (local) seconds *= 1.02;
  static constexpr std::array<double, kGoings> turfGoing{1.0, 1.008, 1.018, 1.03};
  static constexpr std::array<double, kGoings> dirtGoing{1.0, 0.996, 0.99, 0.988};
  seconds *= turf ? turfGoing[going] : dirtGoing[going];
  seconds *= 1.0 - 0.004 * level + 0.004 * rng.bell();
  return static_cast<int>(seconds * 10.0 + 0.5);
}

// Typical last 600 m of the winner's pace, in tenths.
int baseLast3F(int distance, bool turf, int going, bool local) {
  int base = turf ? 342 + (distance >= 1800 ? 5 : 0) + (distance >= 2400 ? 6 : 0)
                  : 372 + (distance <= 1200 ? -10 : 0) + (distance >= 1800 ? 10 : 0);
  if (local) base += 10;
  static constexpr std::array<int, kGoings> turfGoing{0, 5, 12, 20};
  static constexpr std::array<int, kGoings> dirtGoing{0, -2, -4, -5};
  return base + (turf ? turfGoing[going] : dirtGoing[going]);
}

struct SimRun {
  int course = 0;
  int monthIndex = 0;  // months since year 0: year * 12 + month - 1
  bool turf = true;
  int distance = 0;
  int going = 0;
  int tenths = 0;  // 0 = not entered
  int c2 = 0, c3 = 0, c4 = 0;
  int last3F = 999;
  int finish = 99;
};

struct SimHorse {
  double ability = 0.0;
  double early = 0.5;        // 0 front-runner .. 1 closer
  int target = 5;            // runs it will have
  int rest = 0;              // months since its latest run
  std::vector<SimRun> runs;  // most recent first
};

struct Entrant {
  double perf = 0.0;
  double early = 0.0;
  int horse = -1;  // position in the group's horse list; -1 = a horse not in the database
  int finish = 0;
  int tenths = 0;
};

// Positions 1..n after sorting by the score, ascending (smaller = nearer the front).
std::vector<int> ranksOf(const std::vector<double>& score) {
  std::vector<int> idx(score.size());
  for (std::size_t i = 0; i < idx.size(); ++i) idx[i] = static_cast<int>(i);
  std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) { return score[a] < score[b]; });
  std::vector<int> rank(score.size());
  for (std::size_t p = 0; p < idx.size(); ++p) rank[idx[p]] = static_cast<int>(p) + 1;
  return rank;
}

// One race: finish order from ability and the luck of the day, times ordered by the finish,
// corner positions that drift from the early pace towards the finish.
void runRace(Rng& rng, const Group& g, std::vector<SimHorse>& horses, const std::vector<int>& field,
             int fieldSize, const SimRun& race, bool fullRecords) {
  std::vector<Entrant> entrants;
  for (int h : field) {
    Entrant e;
    e.horse = h;
    e.perf = horses[h].ability + 0.9 * rng.bell() + (race.turf != g.turf ? -0.6 : 0.0);
    e.early = horses[h].early + 0.12 * rng.bell();
    entrants.push_back(e);
  }
  while (static_cast<int>(entrants.size()) < fieldSize) {
    Entrant e;
    e.perf = rng.bell() + 0.9 * rng.bell();
    e.early = rng.unit();
    entrants.push_back(e);
  }
  std::stable_sort(entrants.begin(), entrants.end(),
                   [](const Entrant& a, const Entrant& b) { return a.perf > b.perf; });
  const bool local = isLocal(race.course);
  int tenths = winningTenths(race.distance, race.turf, race.going, local, g.level, rng);
  const double spread = race.distance / 1600.0;
  for (std::size_t p = 0; p < entrants.size(); ++p) {
    if (p > 0) {
      const double gap =
          (entrants[p - 1].perf - entrants[p].perf) * 3.5 * spread + 0.6 * rng.bell();
      tenths += std::clamp(static_cast<int>(gap + 0.5), 0, 25);
    }
    entrants[p].finish = static_cast<int>(p) + 1;
    entrants[p].tenths = tenths;
  }
  const double n = static_cast<double>(entrants.size());
  std::vector<double> early, third, fourth;
  for (const auto& e : entrants) early.push_back(e.early);
  const std::vector<int> pos2 = ranksOf(early);
  for (std::size_t i = 0; i < entrants.size(); ++i) {
    const double e = pos2[i] / n, f = entrants[i].finish / n;
    third.push_back(0.75 * e + 0.25 * f + 0.03 * rng.bell());
    fourth.push_back(0.45 * e + 0.55 * f + 0.03 * rng.bell());
  }
  const std::vector<int> pos3 = ranksOf(third), pos4 = ranksOf(fourth);
  const int winner = entrants.front().tenths;
  const int last3FBase = baseLast3F(race.distance, race.turf, race.going, local);
  for (std::size_t i = 0; i < entrants.size(); ++i) {
    const Entrant& e = entrants[i];
    if (e.horse < 0) continue;
    SimRun run = race;
    run.finish = e.finish;
    run.tenths = e.tenths;
    // Sprints have no second corner to speak of.
    run.c2 = race.distance <= 1400 ? 0 : pos2[i];
    run.c3 = pos3[i];
    run.c4 = pos4[i];
    const double l3 = last3FBase + 0.4 * (e.tenths - winner) + (0.5 - horses[e.horse].early) * 8.0 +
                      2.5 * rng.bell();
    run.last3F = std::clamp(static_cast<int>(l3 + 0.5), 315, 460);
    if (!fullRecords) {
      // What the owner of the database did not copy from the paper.
      if (rng.chance(0.02)) run.tenths = 0;
      if (rng.chance(local ? 0.10 : 0.04)) run.c2 = run.c3 = run.c4 = 0;
      if (rng.chance(local ? 0.25 : 0.03)) run.last3F = 999;
      if (rng.chance(0.01)) run.finish = 99;
    }
    horses[e.horse].runs.push_back(run);
  }
}

std::string twoDigits(int v) {
  return (v < 10 ? "0" : "") + std::to_string(v);
}

std::string timeText(int tenths) {
  if (tenths <= 0) return "0000";
  return std::to_string(tenths / 600) + twoDigits(tenths % 600 / 10) + std::to_string(tenths % 10);
}

std::vector<std::string> blockOf(const std::string& name, int age, const std::string& sex,
                                 const std::vector<SimRun>& runs) {
  std::vector<std::string> lines = placeholderRecord(identityLine(name, age, sex));
  for (int r = 1; r <= static_cast<int>(runs.size()) && r <= kRuns; ++r) {
    const SimRun& run = runs[r - 1];
    auto at = [&](RunField f) -> std::string& { return lines[runLine(r, f) - 1]; };
    at(RunField::Surface) = sj(run.turf ? "芝" : "ダ");
    at(RunField::Distance) = padLeft(std::to_string(run.distance), 4);
    const int year = run.monthIndex / 12 % 100, month = run.monthIndex % 12 + 1;
    at(RunField::CourseDate) = sj(courses()[run.course].code) + twoDigits(year) + twoDigits(month);
    at(RunField::Time) = timeText(run.tenths);
    at(RunField::Corners) = padLeft(std::to_string(run.c2), 2) +
                            padLeft(std::to_string(run.c3), 2) + padLeft(std::to_string(run.c4), 2);
    at(RunField::Last3F) = std::to_string(run.last3F);
    at(RunField::Going) = goingMarks()[run.going];
    at(RunField::Finish) = std::to_string(run.finish);
  }
  lines.push_back(computeStyle(lineViews(lines)));
  return lines;
}

Group makeGroup(Rng& rng, const WorldOptions& options) {
  Group g;
  g.region = options.centralOnly ? rng.between(kEast, kWest) : rng.weighted({35, 35, 15, 15});
  g.turf = g.region <= kWest && rng.chance(0.6);
  static constexpr std::array<std::array<int, 2>, 4> bands{
      {{1000, 1400}, {1400, 1800}, {1800, 2400}, {2200, 3600}}};
  const int band = rng.weighted({30, 35, 28, g.turf ? 7 : 0});
  g.distanceLow = bands[band][0];
  g.distanceHigh = bands[band][1];
  g.level = 2.0 * rng.unit() - 1.0;
  // The favourite distance: one that the region's courses offer inside the band.
  std::vector<int> offered;
  for (int month = 1; month <= 12; ++month) {
    for (int c : openCourses(g.region, month)) {
      for (int d : distancesOf(c, g.turf)) {
        if (d >= g.distanceLow && d <= g.distanceHigh) offered.push_back(d);
      }
    }
  }
  g.mainDistance = offered.empty() ? g.distanceLow
                                   : offered[rng.between(0, static_cast<int>(offered.size()) - 1)];
  return g;
}

void simulateGroup(Rng& rng, const WorldOptions& options, Group& g, std::vector<SimHorse>& horses) {
  const int endIndex = options.endYear * 12 + options.endMonth - 1;
  constexpr int kMonthsBack = 48;
  for (int t = 0; t < kMonthsBack; ++t) {
    std::vector<int> active;
    bool pending = false;
    for (int h = 0; h < static_cast<int>(horses.size()); ++h) {
      if (static_cast<int>(horses[h].runs.size()) >= horses[h].target) continue;
      pending = true;
      if (horses[h].rest <= t && rng.chance(options.fullRecords ? 0.9 : 0.6)) active.push_back(h);
    }
    if (!pending) break;
    if (active.empty()) continue;
    const int monthIndex = endIndex - t;
    const std::vector<int> open = openCourses(g.region, monthIndex % 12 + 1);
    const int mainCourse = open[rng.between(0, static_cast<int>(open.size()) - 1)];
    rng.shuffle(active);
    std::size_t next = 0;
    while (next < active.size()) {
      const std::size_t take =
          std::min(active.size() - next, static_cast<std::size_t>(rng.between(6, 12)));
      std::vector<int> field(active.begin() + static_cast<long>(next),
                             active.begin() + static_cast<long>(next + take));
      next += take;
      SimRun race;
      race.monthIndex = monthIndex;
      race.course =
          rng.chance(0.75) ? mainCourse : open[rng.between(0, static_cast<int>(open.size()) - 1)];
      race.turf = g.turf;
      // Now and then a turf horse tries the dirt, or the other way round.
      if (rng.chance(0.1) && !distancesOf(race.course, !g.turf).empty()) race.turf = !g.turf;
      race.distance = raceDistance(rng, g, race.course, race.turf);
      race.going = rng.chance(0.75) ? meetingGoing(options.seed, race.course, monthIndex, race.turf)
                                    : drawGoing(rng);
      const int fieldSize = std::min(static_cast<int>(field.size()) + rng.between(0, 5), 18);
      runRace(rng, g, horses, field, fieldSize, race, options.fullRecords);
    }
  }
}

}  // namespace

std::string cardCourseName(int course, bool turf, int distance) {
  const std::string name = courses()[course].name;
  if (!turf) return sj(name);
  auto inner = [&](std::initializer_list<int> list) {
    return std::find(list.begin(), list.end(), distance) != list.end();
  };
  if (name == "京都") return sj(inner({1200, 2000}) ? "京都(内)" : "京都(外)");
  if (name == "新潟") return sj(inner({1200, 1400, 2200}) ? "新潟(内)" : "新潟(外)");
  if (name == "阪神") {
    return sj(inner({1200, 1400, 2000, 2200, 2500, 3000, 3200}) ? "阪神(内)" : "阪神(外)");
  }
  return sj(name);
}

World generateWorld(const WorldOptions& options) {
  Rng rng(options.seed);
  World world;
  const int total = std::clamp(options.horses, 0, kMaxHorses);
  const int groupSize = std::max(options.groupSize, 2);
  const int groupCount = total == 0 ? 0 : (total + groupSize - 1) / groupSize;
  for (int i = 0; i < groupCount; ++i) world.groups.push_back(makeGroup(rng, options));

  // Horses join their groups in a shuffled order, so that a group is spread over the database
  // as horses registered over the years are.
  std::vector<int> groupOf;
  for (int i = 0; i < total; ++i) groupOf.push_back(std::min(i / groupSize, groupCount - 1));
  rng.shuffle(groupOf);

  NameMaker names;
  static const std::array<std::string, 3> sexes{sj("牡"), sj("牝"), sj("ｾﾝ")};
  world.horses.resize(static_cast<std::size_t>(total));
  std::vector<std::vector<int>> membersOf(static_cast<std::size_t>(groupCount));
  for (int i = 0; i < total; ++i) membersOf[groupOf[i]].push_back(i);

  for (int gi = 0; gi < groupCount; ++gi) {
    Group& g = world.groups[gi];
    std::vector<SimHorse> sim(membersOf[gi].size());
    for (SimHorse& h : sim) {
      h.ability = rng.bell();
      h.early = rng.unit();
      h.target =
          options.fullRecords ? 5 : std::array{5, 4, 3, 2, 1, 0}[rng.weighted({70, 8, 7, 5, 4, 6})];
      h.rest =
          options.fullRecords ? 0 : std::array{0, 1, 2, 4, 8}[rng.weighted({60, 20, 10, 6, 4})];
    }
    simulateGroup(rng, options, g, sim);
    std::map<std::tuple<int, int>, int> raced;  // (course, distance) -> runs of the group's surface
    for (std::size_t m = 0; m < sim.size(); ++m) {
      const int index = membersOf[gi][m];
      GenHorse& horse = world.horses[index];
      const bool local = g.region >= kMinamiKanto;
      const int age = rng.between(2, local ? 10 : 7) + (sim[m].runs.size() >= 5 ? 1 : 0);
      const int sex = age >= 3 ? rng.weighted({55, 35, 10}) : rng.weighted({60, 40, 0});
      horse.block = blockOf(names.next(rng), age, sexes[sex], sim[m].runs);
      horse.group = gi;
      horse.ability = sim[m].ability;
      horse.runs = static_cast<int>(std::min<std::size_t>(sim[m].runs.size(), kRuns));
      g.members.push_back(index + 1);
      for (const SimRun& run : sim[m].runs) {
        if (run.turf == g.turf) ++raced[{run.course, run.distance}];
      }
    }
    int most = -1;
    for (const auto& [key, count] : raced) {
      if (count > most) {
        most = count;
        g.featuredCourse = std::get<0>(key);
        g.featuredDistance = std::get<1>(key);
      }
    }
    std::sort(g.members.begin(), g.members.end());
  }
  return world;
}

TRaceCard makeCard(const World& world, Rng& rng, const CardOptions& options) {
  TRaceCard card;
  if (world.groups.empty()) return card;
  int gi = options.group;
  if (gi < 0 || gi >= static_cast<int>(world.groups.size())) {
    gi = 0;
    for (int i = 1; i < static_cast<int>(world.groups.size()); ++i) {
      if (world.groups[i].members.size() > world.groups[gi].members.size()) gi = i;
    }
  }
  const Group& g = world.groups[gi];
  card.distance = g.featuredDistance;
  card.course = cardCourseName(g.featuredCourse, g.turf, g.featuredDistance);
  card.surface = sj(g.turf ? "芝" : "ダ");
  static const std::array<std::string, kGoings> cardGoings{sj("良"), sj("稍重"), sj("重"),
                                                           sj("不良")};
  card.going = cardGoings[drawGoing(rng)];
  card.development = standardDevelopment(card.surface, card.course, card.distance, card.going);

  // Horses with a record first: a card of unraced horses predicts nothing.
  std::vector<int> pool = g.members;
  rng.shuffle(pool);
  std::stable_sort(pool.begin(), pool.end(), [&](int a, int b) {
    return (world.horses[a - 1].runs >= 3) > (world.horses[b - 1].runs >= 3);
  });
  const int runners = std::clamp(options.runners, 0, std::min<int>(kMaxRunners, pool.size()));
  pool.resize(static_cast<std::size_t>(runners));
  rng.shuffle(pool);
  card.runnerCount = runners;
  for (int k = 1; k <= runners; ++k) card.runner[k] = pool[k - 1];

  if (options.odds) {
    // The market follows ability, with a favourite around 2-3 and outsiders far out.
    std::vector<int> byAbility(pool);
    std::stable_sort(byAbility.begin(), byAbility.end(), [&](int a, int b) {
      return world.horses[a - 1].ability > world.horses[b - 1].ability;
    });
    double odds = 1.8 + rng.unit();
    for (int h : byAbility) {
      for (int k = 1; k <= runners; ++k) {
        if (card.runner[k] == h) card.winOdds[k] = static_cast<int>(odds * 10.0 + 0.5) / 10.0;
      }
      odds = std::min(odds * (1.3 + 0.4 * rng.unit()), 999.9);
    }
  }
  for (int s = 0; s < options.scratched && s < runners; ++s) {
    const int k = rng.between(1, runners);
    scratch(card, k);
  }
  for (int d = 0; d < options.disregards; ++d) {
    const int k = rng.between(1, std::max(runners, 1));
    const int h = card.runner[k];
    if (h == 0) continue;
    const int runs = world.horses[h - 1].runs;
    if (runs > 1) card.disregard[k][rng.between(2, runs)] = true;
  }
  recomputeAnyDisregard(card);
  recomputeOdds(card);
  return card;
}

}  // namespace korvane::gen
