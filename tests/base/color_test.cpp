#include "base/color.h"

#include <gtest/gtest.h>

namespace lrv {
namespace {

TEST(LightenColor, RoundsHalfToEven) {
  // 10 % of (255 - c) lands on .5 when 255 - c ends in 5.
  struct Case { int c; int percent; int expected; };
  const Case cases[] = {
      {0, 10, 26},      // 25.5 -> 26 (even)
      {10, 10, 34},     // 10 + 24.5 = 34.5 -> 34 (even)
      {20, 10, 44},     // 20 + 23.5 = 43.5 -> 44 (even)
      {255, 10, 255},   // white stays white
      {0, 0, 0},        // no change
      {100, 100, 255},  // all the way
      {51, 50, 153},    // 51 + 102 = 153 exactly
      {1, 50, 128},     // 1 + 127 = 128 exactly
      {0, 50, 128},     // 127.5 -> 128 (even)
      {2, 50, 128},     // 2 + 126.5 = 128.5 -> 128 (even)
  };
  for (const auto& c : cases) {
    const auto b = static_cast<std::uint8_t>(c.c);
    EXPECT_EQ(LightenColor({b, b, b}, c.percent).r, c.expected) << c.c << " " << c.percent;
  }
  EXPECT_EQ(LightenColor({0, 120, 215}, 10), (Rgb{26, 134, 219}));  // 25.5, 133.5, 219.0 -> 26,134,219
}

}  // namespace
}  // namespace lrv
