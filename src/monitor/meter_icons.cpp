#include "monitor/meter_icons.h"

#include <cstdint>
#include <vector>

#include "base/failure_note.h"
#include "monitor/meter_picture.h"

namespace tamarak {

namespace {

OwnedIcon make_icon(const MeterPicture& picture) {
  const int size = picture.size;
  // Opaque pixels carry full alpha as well as a clear mask bit: a shell that copies the icon's bits
  // rather than its handle (Wine's copies too few bytes of a mask whose rows need padding) still
  // draws the transparency right.
  std::vector<std::uint32_t> colour(static_cast<std::size_t>(size) * size);
  // Monochrome rows are padded to 16 bits; a set mask bit lets the background show.
  const int mask_row = (size + 15) / 16 * 2;
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(mask_row) * size, 0);
  for (int row = 0; row < size; ++row)
    for (int col = 0; col < size; ++col) {
      const MeterPixel& p = picture.at(row, col);
      if (p.transparent)
        mask[row * mask_row + col / 8] |= 0x80 >> (col % 8);
      else
        colour[row * size + col] = 0xFF000000u | (std::uint32_t{p.r} << 16) | (std::uint32_t{p.g} << 8) | p.b;
    }
  OwnedBitmap colour_bits(NOTE_IF_NULL(CreateBitmap(size, size, 1, 32, colour.data())));
  OwnedBitmap mask_bits(NOTE_IF_NULL(CreateBitmap(size, size, 1, 1, mask.data())));
  ICONINFO info{TRUE, 0, 0, mask_bits.get(), colour_bits.get()};
  return OwnedIcon(NOTE_IF_NULL(CreateIconIndirect(&info)));
}

}  // namespace

MeterIcons::MeterIcons(int size) : size_(size) {
  for (int band = 0; band < 5; ++band) icons_[band] = make_icon(meter_picture(band, size));
}

}  // namespace tamarak
