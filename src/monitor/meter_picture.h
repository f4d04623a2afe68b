// The load meter: a framed bar of four segments, the lowest `band` of them lit.
#pragma once

#include <cstdint>
#include <vector>

namespace tamarak {

struct MeterPixel {
  bool transparent = true;
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const MeterPixel&) const = default;
};

constexpr int kMeterSize = 32;  // the size the artwork was drawn at
constexpr int kMinMeterSize = 16, kMaxMeterSize = 256;

// A square picture, `size` pixels a side.
struct MeterPicture {
  int size = 0;
  std::vector<MeterPixel> pixels;  // row by row from the top

  const MeterPixel& at(int row, int col) const { return pixels[row * size + col]; }
  bool operator==(const MeterPicture&) const = default;
};

// Picture for band 0 to 4 (out-of-range bands are clamped). At 32 pixels it is the artwork itself;
// at any other size (clamped to 16 to 256) the same design is drawn afresh on whole pixels rather
// than scaled, so that a small icon stays crisp.
MeterPicture meter_picture(int band, int size = kMeterSize);

}  // namespace tamarak
