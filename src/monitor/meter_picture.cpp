#include "monitor/meter_picture.h"

#include <algorithm>
#include <initializer_list>

namespace tamarak {

namespace {

constexpr MeterPixel rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {false, r, g, b}; }

constexpr MeterPixel kBlack = rgb(0, 0, 0);
constexpr MeterPixel kGrey = rgb(128, 128, 128);
constexpr MeterPixel kMaroon = rgb(128, 0, 0);
constexpr MeterPixel kOlive = rgb(128, 128, 0);
constexpr MeterPixel kDarkGreen = rgb(0, 128, 0);
constexpr MeterPixel kRed = rgb(255, 0, 0);
constexpr MeterPixel kYellow = rgb(255, 255, 0);
constexpr MeterPixel kGreen = rgb(0, 255, 0);

enum class Row { maroon, red, olive, yellow, dark_green, green, full_divider, inner_divider };

struct Run {
  int first_row;
  Row kind;
};

// Rows 2 to 29 of each picture, as runs that last until the next run's first row. The segments are
// not all the same height: the dividers of the lit part sit where the artwork put them.
constexpr std::initializer_list<Run> kRuns[5] = {
    {{2, Row::maroon}, {9, Row::olive}, {16, Row::dark_green}},
    {{2, Row::maroon}, {9, Row::olive}, {16, Row::dark_green}, {22, Row::full_divider}, {23, Row::green}},
    {{2, Row::maroon},
     {9, Row::olive},
     {16, Row::full_divider},
     {17, Row::green},
     {23, Row::inner_divider},
     {24, Row::green}},
    {{2, Row::maroon},
     {9, Row::full_divider},
     {10, Row::yellow},
     {16, Row::inner_divider},
     {17, Row::green},
     {23, Row::inner_divider},
     {24, Row::green}},
    {{2, Row::red},
     {9, Row::inner_divider},
     {10, Row::yellow},
     {16, Row::inner_divider},
     {17, Row::green},
     {23, Row::inner_divider},
     {24, Row::green}},
};

Row row_kind(int band, int row) {
  Row kind = Row::maroon;
  for (const Run& run : kRuns[band])
    if (row >= run.first_row) kind = run.kind;
  return kind;
}

MeterPixel fill_of(Row kind) {
  switch (kind) {
    case Row::maroon: return kMaroon;
    case Row::red: return kRed;
    case Row::olive: return kOlive;
    case Row::yellow: return kYellow;
    case Row::dark_green: return kDarkGreen;
    case Row::green: return kGreen;
    case Row::full_divider:
    case Row::inner_divider: return kBlack;
  }
  return kBlack;
}

MeterPixel pixel(int band, int row, int col) {
  if (col < 2 || col > 29) return {};
  if (row == 0 || row == 31 || col == 2 || col == 29) return kBlack;
  if (row == 1 || row == 30) return kGrey;
  const Row kind = row_kind(band, row);
  if (col == 3 || col == 28) return kind == Row::full_divider ? kBlack : kGrey;
  return fill_of(kind);
}

}  // namespace

MeterPicture meter_picture(int band) {
  band = std::clamp(band, 0, 4);
  MeterPicture picture;
  for (int row = 0; row < kMeterSize; ++row)
    for (int col = 0; col < kMeterSize; ++col) picture[row * kMeterSize + col] = pixel(band, row, col);
  return picture;
}

}  // namespace tamarak
