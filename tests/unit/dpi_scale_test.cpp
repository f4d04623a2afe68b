#include "base/dpi_scale.h"

#include <gtest/gtest.h>

#include "ui/gradient.h"

namespace tamarak {
namespace {

TEST(ScaleToDpi, RoundsHalvesAwayFromZeroLikeMulDiv) {
  EXPECT_EQ(scale_to_dpi(508, 96), 508);
  EXPECT_EQ(scale_to_dpi(508, 120), 635);
  EXPECT_EQ(scale_to_dpi(17, 144), 26);  // 25.5
  EXPECT_EQ(scale_to_dpi(1, 144), 2);    // 1.5
  EXPECT_EQ(scale_to_dpi(-36, 144), -54);
  EXPECT_EQ(scale_to_dpi(-1, 144), -2);
  EXPECT_EQ(scale_to_dpi(147, 192), 294);
}

TEST(Gradient, BlackAtTheTopToPureBlueAtTheBottom) {
  EXPECT_EQ(gradient_blue(0, 147), 0);
  EXPECT_EQ(gradient_blue(146, 147), 254);
  EXPECT_EQ(gradient_blue(511, 512), 255);
  EXPECT_EQ(gradient_blue(73, 147), 127);
  int previous = 0;
  for (int row = 0; row < 294; ++row) {
    const int blue = gradient_blue(row, 294);
    EXPECT_GE(blue, previous);
    EXPECT_LE(blue, 255);
    previous = blue;
  }
  EXPECT_EQ(gradient_blue(5, 0), 0);
}

}  // namespace
}  // namespace tamarak
