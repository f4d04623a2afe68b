#include "monitor/meter_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace tamarak {
namespace {

// One letter a pixel: '.' transparent, K black, g grey, m maroon, o olive, d dark green, R red,
// Y yellow, G green.
char letter(const MeterPixel& p) {
  if (p.transparent) return '.';
  static const std::map<std::tuple<int, int, int>, char> names = {
      {{0, 0, 0}, 'K'},   {{128, 128, 128}, 'g'}, {{128, 0, 0}, 'm'},   {{128, 128, 0}, 'o'},
      {{0, 128, 0}, 'd'}, {{255, 0, 0}, 'R'},     {{255, 255, 0}, 'Y'}, {{0, 255, 0}, 'G'}};
  auto it = names.find({p.r, p.g, p.b});
  return it == names.end() ? '?' : it->second;
}

std::string row_of(const MeterPicture& picture, int row) {
  std::string s;
  for (int col = 0; col < picture.size; ++col) s += letter(picture.at(row, col));
  return s;
}

TEST(MeterPicture, BandsAndSizesOutsideTheRangeAreClamped) {
  EXPECT_EQ(meter_picture(-3), meter_picture(0));
  EXPECT_EQ(meter_picture(9), meter_picture(4));
  EXPECT_EQ(meter_picture(2, 0), meter_picture(2, 16));
  EXPECT_EQ(meter_picture(2, 8).size, 16);
  EXPECT_EQ(meter_picture(2, 100000), meter_picture(2, 256));
}

// Runs of one letter down column `col` from the bottom, between rows `first` and `last`.
struct RunOf {
  char letter;
  int length;
};

std::vector<RunOf> runs_upwards(const MeterPicture& picture, int col, int first, int last) {
  std::vector<RunOf> runs;
  for (int row = last; row >= first; --row) {
    const char c = letter(picture.at(row, col));
    if (!runs.empty() && runs.back().letter == c)
      ++runs.back().length;
    else
      runs.push_back({c, 1});
  }
  return runs;
}

// Where the 32-pixel artwork puts its lines: the runs up the middle of the inside, from the bottom,
// a divider being one row. The top segment is the tallest; a lone lit segment is a row taller than
// the lowest of several.
const std::vector<int> kArtworkRuns[5] = {
    {14, 7, 7}, {7, 1, 6, 7, 7}, {6, 1, 6, 1, 7, 7}, {6, 1, 6, 1, 6, 1, 7}, {6, 1, 6, 1, 6, 1, 7}};

// What any size must keep of the artwork, scaled to whole pixels: a transparent margin of 2/32 of
// the size left and right, a closed black outline of 1/32 and a grey line as thick inside it, and
// inside that the segments from the bottom up, each row one colour across. Lit segments are divided
// by black lines as thick, the top of the lit part closed by a divider across the grey line; unlit
// ones run on without dividers.
void expect_meter_design(int size, int band) {
  SCOPED_TRACE("size " + std::to_string(size) + " band " + std::to_string(band));
  const MeterPicture picture = meter_picture(band, size);
  ASSERT_EQ(picture.size, size);
  ASSERT_EQ(picture.pixels.size(), static_cast<size_t>(size * size));
  const int margin = static_cast<int>(row_of(picture, 0).find_first_not_of('.'));
  const int centre = size / 2;
  const std::vector<RunOf> up_centre = runs_upwards(picture, centre, 0, size - 1);
  ASSERT_GE(up_centre.size(), 5u);
  const int line = up_centre.front().length;
  EXPECT_LE(std::abs(16 * margin - size), 8);
  EXPECT_LE(std::abs(32 * line - size), 16);

  std::vector<char> want;  // the runs up the middle of the inside
  const char lit[4] = {'G', 'G', 'Y', 'R'}, unlit[4] = {'d', 'd', 'o', 'm'};
  for (int s = 0; s < band; ++s) {
    if (s > 0) want.push_back('K');
    want.push_back(lit[s]);
  }
  if (band > 0 && band < 4) want.push_back('K');
  for (int s = band; s < 4; ++s)
    if (s == band || unlit[s] != unlit[s - 1]) want.push_back(unlit[s]);
  const int inside_top = 2 * line, inside_bottom = size - 2 * line - 1;
  const std::vector<RunOf> inside = runs_upwards(picture, centre, inside_top, inside_bottom);
  std::string got;
  std::vector<int> lengths, segment_heights;
  int row = inside_bottom + 1, closing_divider = -1;  // the top row of the divider closing the lit part
  for (const RunOf& run : inside) {
    row -= run.length;
    got += run.letter;
    lengths.push_back(run.length);
    if (run.letter != 'K') {
      segment_heights.push_back(run.length);
      continue;
    }
    EXPECT_EQ(run.length, line) << "divider at row " << row;
    if (static_cast<int>(lengths.size()) == 2 * band) closing_divider = row;
  }
  ASSERT_EQ(got, std::string(want.begin(), want.end()));
  if (size == kMeterSize) {
    EXPECT_EQ(lengths, kArtworkRuns[band]);
  }
  // With every segment lit each stands alone: they share the height evenly.
  if (band == 4) {
    const auto [lowest, highest] = std::minmax_element(segment_heights.begin(), segment_heights.end());
    EXPECT_GE(*lowest, 1);
    EXPECT_LE(*highest - *lowest, 1);
  }

  // Every row, from what the middle of the inside shows there.
  const auto across = [&](std::initializer_list<std::pair<char, int>> parts) {
    std::string pixels(margin, '.');
    for (const auto& [colour, width] : parts) pixels += std::string(width, colour);
    return pixels + std::string(margin, '.');
  };
  const int between = size - 2 * margin - 2 * line;
  for (row = 0; row < size; ++row) {
    const int edge = std::min(row, size - 1 - row);
    const char middle = letter(picture.at(row, centre));
    const bool closing = closing_divider >= 0 && row >= closing_divider && row < closing_divider + line;
    const std::string expected =
        edge < line || closing ? across({{'K', size - 2 * margin}})
        : edge < 2 * line      ? across({{'K', line}, {'g', between}, {'K', line}})
                          : across({{'K', line}, {'g', line}, {middle, between - 2 * line}, {'g', line}, {'K', line}});
    EXPECT_EQ(row_of(picture, row), expected) << "row " << row;
  }
}

TEST(MeterPicture, EverySizeKeepsTheDesignOnWholePixels) {
  for (int size = 16; size <= 48; ++size)
    for (int band = 0; band < 5; ++band) expect_meter_design(size, band);
  for (int size : {64, 95, 256})
    for (int band = 0; band < 5; ++band) expect_meter_design(size, band);
}

}  // namespace
}  // namespace tamarak
