#pragma once
// The race being prepared: course, surface, distance, going, development and up to 18 runner
// slots. Slots are 1-based everywhere (index 0 of every slot array is unused).

#include <array>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr int kMaxRunners = 18;

// The five race developments (展開), in the order used everywhere.
inline constexpr int kDevelopmentCount = 5;
const std::array<std::string, kDevelopmentCount>& developments();  // cp932 texts

// Which past runs of which runner are disregarded (度外視): [slot][run 1..5].
using DisregardFlags = std::array<std::array<bool, 6>, kMaxRunners + 1>;

struct TRaceCard {
  int distance = 0;           // metres; 0 = race course not entered
  std::string course;         // at most 8 bytes, e.g. 東京 or 京都(外)
  std::string surface;        // "芝" or "ダ"
  std::string going;          // 良, 稍重, 重, 不良
  std::string development;    // one of developments()
  int runnerCount = 0;        // slots in use, scratched slots included
  std::array<int, kMaxRunners + 1> runner{};  // horse index per slot; 0 = scratched
  DisregardFlags disregard{};
  bool anyDisregard = false;
  std::array<double, kMaxRunners + 1> winOdds{};  // 0.0 = not entered, 9999.0 = scratched
  std::array<int, kMaxRunners + 1> userRank{};    // 1..5, 3 = わからない
  bool oddsComplete = false;
  std::array<int, kMaxRunners + 1> popularity{};

  TRaceCard();
};

inline constexpr double kScratchedOdds = 9999.0;

// The development a race gets by default: 逃げ先行有利, but 展開不問 on turf at 3000 m or more,
// at 東京 from 1600 m, at 京都(外) 新潟(外) 阪神(外) from 1800 m, unless the going is 重 or 不良.
std::string standardDevelopment(std::string_view surface, std::string_view course, int distance,
                                std::string_view going);

// Race-card operations of the runner list. Each returns false when refused (the caller shows the
// message), and the caller marks the store modified.
bool hasRunner(const TRaceCard& card, int horse);
bool addRunner(TRaceCard& card, int horse);  // false when the horse is already a runner
void removeRunner(TRaceCard& card, int slot);
void moveUp(TRaceCard& card, int slot);    // slot >= 2: swaps with slot - 1
void moveDown(TRaceCard& card, int slot);  // slot < runnerCount: swaps with slot + 1
void scratch(TRaceCard& card, int slot);
void clearCard(TRaceCard& card);
void recomputeOdds(TRaceCard& card);
void recomputeAnyDisregard(TRaceCard& card);

}  // namespace korvane
