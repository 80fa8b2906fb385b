#pragma once
// The points window "コルバン指数": every runner in コルバン指数 order with its points, style and
// mark, and beside it its places on ベスト, 負Ｐ and ベスト among the front-runners (cp932).

#include <string>
#include <vector>

namespace korvane {

struct AppState;

// Four lists of the same length; row k of each belongs to the same runner, and a separator row
// stands before the 6th, 11th and 16th runner in all four.
struct PointsView {
  std::vector<std::string> points;  // PointLst: "１位 56.1pts ３ブルーウインド　　 *逃* ◎"
  std::vector<std::string> best;       // BestLst: "１位" .. "５位" or four blanks
  std::vector<std::string> loseP;      // MakePLst: "ゼロ", "１位" .. "５位" or four blanks
  std::vector<std::string> frontBest;  // NSBestLst: ベスト place of a 逃 or 先 runner
};

PointsView buildPoints(const AppState& app);

}  // namespace korvane
