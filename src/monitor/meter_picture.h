// The load meter: a framed bar of four segments, the lowest `band` of them lit.
#pragma once

#include <array>
#include <cstdint>

namespace tamarak {

struct MeterPixel {
  bool transparent = true;
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const MeterPixel&) const = default;
};

constexpr int kMeterSize = 32;
using MeterPicture = std::array<MeterPixel, kMeterSize * kMeterSize>;  // row by row from the top

// Picture for band 0 to 4 (out-of-range bands are clamped).
MeterPicture meter_picture(int band);

}  // namespace tamarak
