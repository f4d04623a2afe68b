// What an icon shows, read back from its bitmaps, in the terms of the meter pictures.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "base/handles.h"
#include "monitor/meter_picture.h"

namespace tamarak {

// An empty picture when the icon cannot be read or is not square.
inline MeterPicture icon_picture(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  const OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP colour_size{};
  if (!colour || !GetObjectW(colour.get(), sizeof colour_size, &colour_size)) return {};
  const int size = colour_size.bmWidth;
  if (colour_size.bmHeight != size) return {};

  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> colours(size * size), masks(size * size);
  const HDC screen = GetDC(nullptr);
  const bool read = GetDIBits(screen, colour.get(), 0, size, colours.data(), &format, DIB_RGB_COLORS) == size &&
                    GetDIBits(screen, mask.get(), 0, size, masks.data(), &format, DIB_RGB_COLORS) == size;
  ReleaseDC(nullptr, screen);
  if (!read) return {};

  MeterPicture picture{size, std::vector<MeterPixel>(size * size)};
  for (int i = 0; i < size * size; ++i)
    if (!(masks[i] & 0xFFFFFF))
      picture.pixels[i] = {false, static_cast<std::uint8_t>(colours[i] >> 16),
                           static_cast<std::uint8_t>(colours[i] >> 8), static_cast<std::uint8_t>(colours[i])};
  return picture;
}

// Failures show the picture row by row, a letter a pixel: '.' transparent, K black, g grey,
// m maroon, o olive, d dark green, R red, Y yellow, G green, '?' any other colour.
inline void PrintTo(const MeterPicture& picture, std::ostream* out) {
  struct Name {
    std::uint8_t r, g, b;
    char letter;
  };
  static constexpr Name kNames[] = {{0, 0, 0, 'K'},   {128, 128, 128, 'g'}, {128, 0, 0, 'm'},   {128, 128, 0, 'o'},
                                    {0, 128, 0, 'd'}, {255, 0, 0, 'R'},     {255, 255, 0, 'Y'}, {0, 255, 0, 'G'}};
  *out << picture.size << " x " << picture.size;
  for (int row = 0; row < picture.size; ++row) {
    *out << "\n";
    for (int col = 0; col < picture.size; ++col) {
      const MeterPixel& p = picture.at(row, col);
      char letter = p.transparent ? '.' : '?';
      for (const Name& name : kNames)
        if (!p.transparent && p.r == name.r && p.g == name.g && p.b == name.b) letter = name.letter;
      *out << letter;
    }
  }
}

}  // namespace tamarak
