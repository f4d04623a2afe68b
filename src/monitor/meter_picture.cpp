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

MeterPixel artwork_pixel(int band, int row, int col) {
  if (col < 2 || col > 29) return {};
  if (row == 0 || row == 31 || col == 2 || col == 29) return kBlack;
  if (row == 1 || row == 30) return kGrey;
  const Row kind = row_kind(band, row);
  if (col == 3 || col == 28) return kind == Row::full_divider ? kBlack : kGrey;
  return fill_of(kind);
}

constexpr MeterPixel kLit[4] = {kGreen, kGreen, kYellow, kRed};
constexpr MeterPixel kUnlit[4] = {kDarkGreen, kDarkGreen, kOlive, kMaroon};

// The artwork's proportions at another size: its transparent margin, outline, grey line and
// dividers scaled and rounded to whole pixels, the segments sharing what is left, the top one
// taking any spare rows as in the artwork.
class DrawnMeter {
 public:
  explicit DrawnMeter(int size)
      : size_(size), margin_((size + 8) / 16), line_((size + 16) / 32), segment_space_(size - 7 * line_) {}

  MeterPixel pixel(int band, int row, int col) const {
    if (col < margin_ || col >= size_ - margin_) return {};
    const int x = std::min(col - margin_, size_ - margin_ - 1 - col);  // from the nearer side
    const int y = std::min(row, size_ - 1 - row);
    if (x < line_ || y < line_) return kBlack;
    if (y < 2 * line_) return kGrey;
    const Place place = place_of(row - 2 * line_);
    const bool lit = place.segment < band;
    if (place.divider_above) {
      // The top of the lit part is closed by a divider across the grey line as well; the unlit
      // part has none, the segment below running on through the divider's rows.
      if (place.segment + 1 == band) return kBlack;
      if (place.segment + 1 < band) return x < 2 * line_ ? kGrey : kBlack;
    }
    if (x < 2 * line_) return kGrey;
    return lit ? kLit[place.segment] : kUnlit[place.segment];
  }

 private:
  struct Place {
    int segment;         // 0 at the bottom
    bool divider_above;  // in the divider between this segment and the one above
  };

  int height(int from_top) const { return segment_space_ / 4 + (from_top < segment_space_ % 4 ? 1 : 0); }

  // `row` counts from the top of the inside of the frame.
  Place place_of(int row) const {
    for (int from_top = 0; from_top < 3; ++from_top) {
      row -= height(from_top);
      if (row < 0) return {3 - from_top, false};
      row -= line_;
      if (row < 0) return {2 - from_top, true};
    }
    return {0, false};
  }

  int size_, margin_, line_, segment_space_;
};

}  // namespace

MeterPicture meter_picture(int band, int size) {
  band = std::clamp(band, 0, 4);
  size = std::clamp(size, kMinMeterSize, kMaxMeterSize);
  MeterPicture picture{size, std::vector<MeterPixel>(static_cast<std::size_t>(size) * size)};
  const DrawnMeter drawn(size);
  for (int row = 0; row < size; ++row)
    for (int col = 0; col < size; ++col)
      picture.pixels[row * size + col] =
          size == kMeterSize ? artwork_pixel(band, row, col) : drawn.pixel(band, row, col);
  return picture;
}

}  // namespace tamarak
