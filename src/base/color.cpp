#include "base/color.h"

#include <algorithm>

namespace lrv {
namespace {

std::uint8_t LightenByte(int c, int percent) {
  // Exact in integers: value = numerator / 100.
  const long long numerator = 100LL * c + static_cast<long long>(percent) * (255 - c);
  long long q = numerator / 100;
  long long r = numerator % 100;
  if (r < 0) {  // floor division for negative percentages
    q -= 1;
    r += 100;
  }
  if (r > 50 || (r == 50 && (q % 2 != 0))) ++q;
  return static_cast<std::uint8_t>(std::clamp<long long>(q, 0, 255));
}

}  // namespace

Rgb LightenColor(Rgb color, int percent) {
  return {LightenByte(color.r, percent), LightenByte(color.g, percent), LightenByte(color.b, percent)};
}

}  // namespace lrv
