#include "core/engine/think_progress.hpp"

#include <gtest/gtest.h>

#include "core/text/sjis.hpp"

namespace korvane {
namespace {

TEST(ThinkProgress, TenCirclesFilledFromTheLeft) {
  EXPECT_EQ(progressCircles(0), sj("○○○○○○○○○○"));
  EXPECT_EQ(progressCircles(3), sj("●●●○○○○○○○"));
  EXPECT_EQ(progressCircles(10), sj("●●●●●●●●●●"));
  EXPECT_EQ(progressCircles(11), progressCircles(10));
  EXPECT_EQ(progressCircles(-1), progressCircles(0));
}

}  // namespace
}  // namespace korvane
