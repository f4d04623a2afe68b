#include "monitor/meter_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
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

std::string filled(char c) { return "..Kg" + std::string(24, c) + "gK.."; }
const std::string kEdge = "..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..";
const std::string kFrameGrey = "..K" + std::string(26, 'g') + "K..";
const std::string kFullDivider = kEdge;
const std::string kInnerDivider = filled('K');

// The artwork, row range by row range, as drawn for each band.
struct Range {
  int first, last;
  std::string rows[5];
};

const Range kTable[] = {
    {2, 8, {filled('m'), filled('m'), filled('m'), filled('m'), filled('R')}},
    {9, 9, {filled('o'), filled('o'), filled('o'), kFullDivider, kInnerDivider}},
    {10, 15, {filled('o'), filled('o'), filled('o'), filled('Y'), filled('Y')}},
    {16, 16, {filled('d'), filled('d'), kFullDivider, kInnerDivider, kInnerDivider}},
    {17, 21, {filled('d'), filled('d'), filled('G'), filled('G'), filled('G')}},
    {22, 22, {filled('d'), kFullDivider, filled('G'), filled('G'), filled('G')}},
    {23, 23, {filled('d'), filled('G'), kInnerDivider, kInnerDivider, kInnerDivider}},
    {24, 29, {filled('d'), filled('G'), filled('G'), filled('G'), filled('G')}},
};

TEST(MeterPicture, EveryPixelOfTheFivePicturesMatchesTheArtwork) {
  const std::string& frame_grey = kFrameGrey;
  for (int band = 0; band < 5; ++band) {
    const MeterPicture picture = meter_picture(band);
    EXPECT_EQ(row_of(picture, 0), kEdge) << band;
    EXPECT_EQ(row_of(picture, 31), kEdge) << band;
    EXPECT_EQ(row_of(picture, 1), frame_grey) << band;
    EXPECT_EQ(row_of(picture, 30), frame_grey) << band;
    for (const Range& range : kTable)
      for (int row = range.first; row <= range.last; ++row)
        EXPECT_EQ(row_of(picture, row), range.rows[band]) << "band " << band << " row " << row;
  }
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

// What any size must keep of the artwork: a transparent margin left and right, a closed black
// outline with a grey line inside it, and the segments from the bottom up, lit ones divided by black
// lines and the top of the lit part closed by a divider across the grey line.
void expect_meter_design(int size, int band) {
  SCOPED_TRACE("size " + std::to_string(size) + " band " + std::to_string(band));
  const MeterPicture picture = meter_picture(band, size);
  ASSERT_EQ(picture.size, size);
  ASSERT_EQ(picture.pixels.size(), static_cast<size_t>(size * size));

  const std::string top = row_of(picture, 0);
  const int margin = static_cast<int>(top.find_first_not_of('.'));
  ASSERT_GE(margin, 1);
  for (int row = 0; row < size; ++row) {
    const std::string r = row_of(picture, row);
    ASSERT_EQ(r.find('?'), std::string::npos) << "not a design colour in row " << row << ": " << r;
    EXPECT_EQ(r, std::string(r.rbegin(), r.rend())) << "row " << row << " is not symmetric";
    EXPECT_EQ(r.substr(0, margin), std::string(margin, '.')) << row;
    EXPECT_EQ(r.substr(margin, size - 2 * margin).find('.'), std::string::npos) << row;
  }

  const int centre = size / 2;
  const std::vector<RunOf> down_centre = runs_upwards(picture, centre, 0, size - 1);
  ASSERT_GE(down_centre.size(), 5u);
  const int line = down_centre.front().length;
  if (size <= kMeterSize) {
    EXPECT_EQ(line, 1);
  }
  const int inside_left = margin + 2 * line, inside_right = size - margin - 2 * line - 1;
  const int inside_top = 2 * line, inside_bottom = size - 2 * line - 1;
  for (int i = 0; i < line; ++i) {
    const int outer = size - margin - 1 - i, grey_col = margin + line + i;
    EXPECT_EQ(row_of(picture, i).substr(margin, size - 2 * margin), std::string(size - 2 * margin, 'K'));
    EXPECT_EQ(row_of(picture, size - 1 - i), row_of(picture, i));
    EXPECT_EQ(row_of(picture, line + i).substr(margin + line, size - 2 * margin - 2 * line),
              std::string(size - 2 * margin - 2 * line, 'g'));
    EXPECT_EQ(row_of(picture, size - 1 - line - i), row_of(picture, line + i));
    for (int row = 0; row < size; ++row) {
      EXPECT_EQ(letter(picture.at(row, margin + i)), 'K') << "outline open at row " << row;
      EXPECT_EQ(letter(picture.at(row, outer)), 'K') << "outline open at row " << row;
      if (row >= line && row < size - line) {
        const char grey_line = letter(picture.at(row, grey_col));
        EXPECT_TRUE(grey_line == 'g' || grey_line == 'K') << "grey line broken at row " << row;
      }
    }
  }

  std::vector<char> want;  // the runs up the middle of the inside
  const char lit[4] = {'G', 'G', 'Y', 'R'}, unlit[4] = {'d', 'd', 'o', 'm'};
  for (int s = 0; s < band; ++s) {
    if (s > 0) want.push_back('K');
    want.push_back(lit[s]);
  }
  if (band > 0 && band < 4) want.push_back('K');
  for (int s = band; s < 4; ++s)
    if (s == band || unlit[s] != unlit[s - 1]) want.push_back(unlit[s]);
  const std::vector<RunOf> inside = runs_upwards(picture, centre, inside_top, inside_bottom);
  std::vector<char> got;
  for (const RunOf& run : inside) got.push_back(run.letter);
  ASSERT_EQ(std::string(got.begin(), got.end()), std::string(want.begin(), want.end()));

  int row = inside_bottom + 1;
  std::vector<int> segment_heights;
  for (size_t i = 0; i < inside.size(); ++i) {
    row -= inside[i].length;
    if (inside[i].letter != 'K') {
      segment_heights.push_back(inside[i].length);
      continue;
    }
    EXPECT_EQ(inside[i].length, line) << "divider at row " << row;
    const bool closes_lit_part = static_cast<int>(i) == 2 * band - 1;
    for (int r = row; r < row + line; ++r) {
      EXPECT_EQ(letter(picture.at(r, inside_left - 1)), closes_lit_part ? 'K' : 'g') << "divider row " << r;
      EXPECT_EQ(row_of(picture, r).substr(inside_left, inside_right - inside_left + 1),
                std::string(inside_right - inside_left + 1, 'K'));
    }
  }
  // With every segment lit each stands alone: they share the height evenly.
  if (band == 4) {
    const auto [lowest, highest] = std::minmax_element(segment_heights.begin(), segment_heights.end());
    EXPECT_GE(*lowest, 1);
    EXPECT_LE(*highest - *lowest, 1);
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
