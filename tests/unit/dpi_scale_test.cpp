#include "base/dpi_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/gradient.h"

namespace tamarak {
namespace {

TEST(ScaleToDpi, RoundsHalvesAwayFromZeroLikeMulDiv) {
  for (int dpi : {96, 120, 144, 192})
    for (int pixels = -600; pixels <= 600; ++pixels)
      ASSERT_EQ(scale_to_dpi(pixels, dpi), std::lround(pixels * dpi / 96.0)) << pixels << " at " << dpi;
}

TEST(Gradient, BlackAtTheTopToPureBlueAtTheBottom) {
  EXPECT_EQ(gradient_blue(0, 147), 0);
  EXPECT_EQ(gradient_blue(73, 147), 127);
  EXPECT_EQ(gradient_blue(146, 147), 254);
  EXPECT_EQ(gradient_blue(511, 512), 255);
  EXPECT_EQ(gradient_blue(5, 0), 0);
  for (int row = 1; row < 294; ++row) ASSERT_GE(gradient_blue(row, 294), gradient_blue(row - 1, 294)) << row;
}

}  // namespace
}  // namespace tamarak
