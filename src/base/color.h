#pragma once
#include <cstdint>

namespace lrv {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Moves each byte c toward white: c + percent/100 * (255 - c), rounded to
// the nearest integer with ties to even, kept within 0..255.
Rgb LightenColor(Rgb color, int percent);

}  // namespace lrv
