#include "monitor/meter_icons.h"

#include <cstdint>
#include <vector>

#include "monitor/meter_picture.h"

namespace tamarak {

namespace {

OwnedIcon make_icon(const MeterPicture& picture) {
  std::vector<std::uint32_t> colour(kMeterSize * kMeterSize);
  // Monochrome rows are padded to 16 bits; a set mask bit lets the background show.
  std::vector<std::uint8_t> mask(kMeterSize * 4, 0);
  for (int i = 0; i < kMeterSize * kMeterSize; ++i) {
    const MeterPixel& p = picture[i];
    if (p.transparent) {
      mask[(i / kMeterSize) * 4 + (i % kMeterSize) / 8] |= 0x80 >> (i % 8);
      continue;
    }
    colour[i] = (std::uint32_t{p.r} << 16) | (std::uint32_t{p.g} << 8) | p.b;
  }
  OwnedBitmap colour_bits(CreateBitmap(kMeterSize, kMeterSize, 1, 32, colour.data()));
  OwnedBitmap mask_bits(CreateBitmap(kMeterSize, kMeterSize, 1, 1, mask.data()));
  ICONINFO info{TRUE, 0, 0, mask_bits.get(), colour_bits.get()};
  return OwnedIcon(CreateIconIndirect(&info));
}

}  // namespace

MeterIcons::MeterIcons() {
  for (int band = 0; band < 5; ++band) icons_[band] = make_icon(meter_picture(band));
}

}  // namespace tamarak
