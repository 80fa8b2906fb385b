#pragma once
// The ten circles of the progress window while the runners are compared.

#include <string>

namespace korvane {

inline constexpr int kProgressCircles = 10;

// `filled` circles "●" then open ones "○", always ten in all (cp932); out-of-range counts are
// held to 0..10.
std::string progressCircles(int filled);

}  // namespace korvane
