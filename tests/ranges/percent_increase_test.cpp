#include "ranges/percent_increase.hpp"

#include <gtest/gtest.h>

namespace tessark {
namespace {

TEST(PercentIncrease, RoundsTheProductHalfUpAndReturnsTheGain) {
  EXPECT_EQ(percentIncrease(10, 1.1), 1);
  EXPECT_EQ(percentIncrease(5, 1.1), 1);    // 5.5 rounds up
  EXPECT_EQ(percentIncrease(3, 1.1), 0);    // 3.3 rounds down
  EXPECT_EQ(percentIncrease(10, 1.65), 7);  // 16.5 rounds up
  EXPECT_EQ(percentIncrease(2, 1.2), 0);
  EXPECT_EQ(percentIncrease(7, 1.1), 1);
  EXPECT_EQ(percentIncrease(0, 2.0), 0);
  EXPECT_EQ(percentIncrease(450, 2.0), 450);
}

}  // namespace
}  // namespace tessark
