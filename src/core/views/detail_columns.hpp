#pragma once
// The columns of the detail screen "予想結果詳細", one entry per runner slot 1..runnerCount (index
// 0 is slot 1), exactly as the screen shows them (cp932).

#include <array>
#include <string>
#include <vector>

#include "core/database/race_card.hpp"

namespace korvane {

struct AppState;

struct DetailColumns {
  std::vector<std::string> umaban;  // "１" .. "９", "10" .. "18": always all 18 numbers
  std::vector<std::string> name;    // as on the prediction screen
  std::vector<std::string> mark;    // as on the prediction screen: " ◎ ", " ？ ", " 　 "
  // Evaluation cells per run, [0] = 前走 .. [4] = ５走前; the screen shows ５走前 leftmost.
  std::array<std::vector<std::string>, 5> run;
  std::vector<std::string> longshot;  // 穴馬度: 18 rows reading オッズ未入力 without odds
};

// `releasedFrom` as in runEvaluation: the detail screen's flags at its opening, else nullptr.
DetailColumns buildDetailColumns(const AppState& app, const DisregardFlags* releasedFrom);

}  // namespace korvane
