#pragma once
// The 穴馬度 column of the detail screen: how much better a marked runner is rated than the
// betting public rates it (cp932).

#include <string>
#include <vector>

namespace korvane {

struct AppState;

// With the win odds of every runner entered: one row per runner slot, " " for an unmarked runner
// and " " + (50 + 2 × (popularity − mark place)) for a marked one (◎ on the 5th favourite: " 58").
// Without them: 18 rows reading オッズ未入力 downwards from the top.
std::vector<std::string> longshotColumn(const AppState& app);

}  // namespace korvane
