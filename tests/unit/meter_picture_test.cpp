#include "monitor/meter_picture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tamarak {
namespace {

// One letter a pixel: '.' transparent, K black, g grey, m maroon, o olive, d dark green, R red,
// Y yellow, G green.
char letter(const MeterPixel& p) {
  if (p.transparent) return '.';
  static const std::map<std::tuple<int, int, int>, char> names = {
      {{0, 0, 0}, 'K'},       {{128, 128, 128}, 'g'}, {{128, 0, 0}, 'm'}, {{128, 128, 0}, 'o'},
      {{0, 128, 0}, 'd'},     {{255, 0, 0}, 'R'},     {{255, 255, 0}, 'Y'}, {{0, 255, 0}, 'G'}};
  auto it = names.find({p.r, p.g, p.b});
  return it == names.end() ? '?' : it->second;
}

std::string row_of(const MeterPicture& picture, int row) {
  std::string s;
  for (int col = 0; col < kMeterSize; ++col) s += letter(picture[row * kMeterSize + col]);
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

TEST(MeterPicture, BandsOutsideTheRangeAreClamped) {
  EXPECT_EQ(meter_picture(-3), meter_picture(0));
  EXPECT_EQ(meter_picture(9), meter_picture(4));
}

}  // namespace
}  // namespace tamarak
