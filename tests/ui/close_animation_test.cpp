#include <gtest/gtest.h>

#include "ui/close_animation.h"

TEST(CloseAnimation, ShrinksTheWindowInStepsOfTwoPixelsFromBothSides) {
  const std::vector<QRect> steps = closeAnimationSteps(443, 243);
  ASSERT_EQ(steps.size(), 111u);
  EXPECT_EQ(steps.front(), QRect(0, 0, 443, 243));
  EXPECT_EQ(steps[1], QRect(2, 0, 439, 243));
  EXPECT_EQ(steps.back().left(), 220);
  EXPECT_EQ(steps.back().right(), 222);  // a strip 3 pixels wide
  EXPECT_EQ(steps.back().height(), 243);
  EXPECT_TRUE(closeAnimationSteps(1, 10).empty());
  EXPECT_EQ(closeAnimationSteps(4, 10).size(), 1u);
}
