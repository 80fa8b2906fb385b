#pragma once
// The display strings of the prediction result table, one entry per runner slot 1..runnerCount
// (index 0 of each vector is slot 1), exactly as the prediction screen shows them.

#include <string>
#include <vector>

namespace korvane {

struct AppState;

struct PredictionColumns {
  std::vector<std::string> umaban;       // "１" .. "９", "10" .. "18": always all 18 numbers
  std::vector<std::string> name;         // 18 bytes; scratched: "（ 出 走 取 消 ） "
  std::vector<std::string> mark;         // " ◎ ", " ？ ", " 　 "
  std::vector<std::string> style;        // "+逃+"
  std::vector<std::string> ability;      // "*52.3*"
  std::vector<std::string> power;
  std::vector<std::string> loseP;        // "*0.0*", " ?.? "
  std::vector<std::string> best;
  std::vector<std::string> lastRun;
  std::vector<std::string> allDistance;
  std::vector<std::string> form;         // " Ａ ", " Ｂ ", "-Ｃ-", "/Ｄ/", " ？ "
  std::string reliability;               // " 42％"
  std::string development;               // the race card's development
  std::string developmentLabel;          // "標準" or "独自"
};

// Builds the columns from the last prediction run (AppState::result) and the race card.
PredictionColumns buildPredictionColumns(const AppState& app);

}  // namespace korvane
