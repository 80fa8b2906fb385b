#include <gtest/gtest.h>

#include "core/engine/tallies.hpp"

namespace korvane {
namespace {

// The 1800 m row and the 2000 m row are two rows with the same window: a distance between them,
// or just above 2100 m, is no row at all and keeps the window of the race before, as 1750 m does.
TEST(EngineDistanceWindowGaps, DistancesBetweenTheMiddleDistanceRowsKeepThePreviousWindow) {
  const DistanceWindow before{800, 1600};
  auto is = [&](int d, int lo, int hi) {
    const DistanceWindow w = distanceWindow(d, before);
    EXPECT_EQ(w.min, lo) << d;
    EXPECT_EQ(w.max, hi) << d;
  };
  is(1900, 1400, 3600);
  is(2000, 1400, 3600);
  is(1950, 800, 1600);
  is(1901, 800, 1600);
  is(1999, 800, 1600);
  is(2150, 800, 1600);
}

}  // namespace
}  // namespace korvane
