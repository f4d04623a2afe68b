#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "about/credit_scroller.h"
#include "about/registry_value.h"
#include "about/version_label.h"

namespace tamarak {
namespace {

TEST(VersionLabel, HalfWidthPrefixAndPlainNumbers) {
  EXPECT_EQ(version_label(3, 0, 0), "ﾊﾞｰｼﾞｮﾝ 3.0.0");
  EXPECT_EQ(version_label(10, 2, 105), "ﾊﾞｰｼﾞｮﾝ 10.2.105");
  EXPECT_EQ(version_label(65535, 65535, 65535), "ﾊﾞｰｼﾞｮﾝ 65535.65535.65535");
}

// The 1024-byte zero-filled buffer after a query of `data`, which reports the full size even when
// the data did not fit.
RegistryValue queried(const std::vector<std::uint8_t>& data, std::uint32_t type, bool succeeded = true) {
  RegistryValue value{succeeded, type, {}, static_cast<std::uint32_t>(data.size())};
  std::copy_n(data.begin(), std::min(data.size(), value.buffer.size()), value.buffer.begin());
  return value;
}

std::vector<std::uint8_t> utf16le(const std::u16string& s) {
  std::vector<std::uint8_t> out;
  for (char16_t c : s) {
    out.push_back(static_cast<std::uint8_t>(c & 0xFF));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return out;
}

TEST(RegistryValue, StringsReadTheSameWithOrWithoutTheirTerminatingZero) {
  const std::u16string path = u"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
  std::u16string with, without;
  EXPECT_EQ(decode_value(queried(utf16le(path + u'\0'), kRegSz), with), KeyValue::read);
  EXPECT_EQ(decode_value(queried(utf16le(path), kRegSz), without), KeyValue::read);
  EXPECT_EQ(with, path);
  EXPECT_EQ(without, with);

  // Only one zero goes; the text stays as stored otherwise, whatever it holds, and a half
  // character at the end is left out.
  std::u16string text;
  decode_value(queried(utf16le(std::u16string(u"ab\0\0", 4)), kRegSz), text);
  EXPECT_EQ(text, std::u16string(u"ab\0", 3));
  decode_value(queried(utf16le(u"\u0000"), kRegSz), text);
  EXPECT_EQ(text, u"");
  for (const std::u16string stored : {u"D:\\ツール\\情報", u"x\U0001F600y", u"a\xD800z"}) {
    decode_value(queried(utf16le(stored), kRegSz), text);
    EXPECT_EQ(text, stored);
  }
  std::vector<std::uint8_t> odd = utf16le(u"ab");
  odd.push_back('c');
  decode_value(queried(odd, kRegSz), text);
  EXPECT_EQ(text, u"ab");
}

TEST(RegistryValue, DwordsAsUpperCaseHexWithoutLeadingZeros) {
  std::u16string text;
  EXPECT_EQ(decode_value(queried({0x05, 0x01, 0x00, 0x00}, kRegDword), text), KeyValue::read);
  EXPECT_EQ(text, u"&h105");
  decode_value(queried({0xEF, 0xBE, 0xAD, 0xDE}, kRegDword), text);
  EXPECT_EQ(text, u"&hDEADBEEF");
  decode_value(queried({0, 0, 0, 0}, kRegDword), text);
  EXPECT_EQ(text, u"&h0");
  decode_value(queried({0x2A}, kRegDword), text);  // stored short: the rest of the buffer is zero
  EXPECT_EQ(text, u"&h2A");
}

TEST(RegistryValue, OtherTypesLeaveTheTextAsPassed) {
  for (std::uint32_t type : {0u, 2u, 3u, 7u, 11u}) {
    std::u16string text = u"as passed";
    EXPECT_EQ(decode_value(queried(utf16le(u"%SystemRoot%\\x.exe"), type), text), KeyValue::read) << type;
    EXPECT_EQ(text, u"as passed") << type;
  }
}

TEST(RegistryValue, EmptyTooLongAndFailedQueriesClearTheText) {
  const std::vector<std::uint8_t> too_long = utf16le(std::u16string(513, u'x'));
  const std::pair<RegistryValue, KeyValue> cases[] = {{queried({}, kRegSz), KeyValue::no_data},
                                                      {queried({}, kRegDword), KeyValue::no_data},
                                                      {queried(too_long, kRegSz), KeyValue::not_found},
                                                      {queried(utf16le(u"x"), kRegSz, false), KeyValue::not_found}};
  for (const auto& [value, result] : cases) {
    std::u16string text = u"as passed";
    EXPECT_EQ(decode_value(value, text), result);
    EXPECT_EQ(text, u"");
  }
  // Exactly the buffer is still read.
  std::u16string text;
  EXPECT_EQ(decode_value(queried(utf16le(std::u16string(512, u'y')), kRegSz), text), KeyValue::read);
  EXPECT_EQ(text, std::u16string(512, u'y'));
}

TEST(CreditScroller, StartsCentredJustBelowRisesTenTwipsATickAndWrapsOnlyOnceWhollyPastTheTop) {
  // The viewport's inside at 96 dpi (277 x 21 pixels) and a two-line strip 152 x 32 pixels: the 80th
  // step takes it past -480.
  CreditScroller scroller(4155, 315, 2280, 480);
  EXPECT_FLOAT_EQ(scroller.left(), 937.5f);
  EXPECT_FLOAT_EQ(scroller.top(), 315);
  for (int n = 1; n <= 80; ++n) {
    scroller.tick();
    ASSERT_FLOAT_EQ(scroller.top(), 315 - 10.0f * n) << n;
  }
  scroller.tick();
  EXPECT_FLOAT_EQ(scroller.top(), 315);  // back at the bottom
  scroller.tick();
  EXPECT_FLOAT_EQ(scroller.top(), 305);
  EXPECT_FLOAT_EQ(scroller.left(), 937.5f);
  // A strip wider than the viewport is still centred.
  EXPECT_FLOAT_EQ(CreditScroller(1000, 300, 1500, 480).left(), -250);

  // At exactly -height it still moves once more.
  CreditScroller exact(300, 100, 100, 50);
  for (int n = 0; n < 15; ++n) exact.tick();
  EXPECT_FLOAT_EQ(exact.top(), -50);
  exact.tick();
  EXPECT_FLOAT_EQ(exact.top(), -60);
  exact.tick();
  EXPECT_FLOAT_EQ(exact.top(), 100);

  // The cycle repeats unchanged however long the window stays open.
  for (int cycle = 0; cycle < 50; ++cycle)
    for (int n = 0; n < 17; ++n) exact.tick();
  EXPECT_FLOAT_EQ(exact.top(), 100);
}

TEST(TwipsAndPixels, FifteenTwipsAPixelAtNinetySixDpi) {
  // 20.33, 19.67, 62.5 (halves away from zero), -32.33 and -0.5 pixels among them.
  const std::tuple<float, int, int> to_pixels[] = {{315, 96, 21},   {305, 96, 20},   {295, 96, 20},  {937.5f, 96, 63},
                                                   {-485, 96, -32}, {-7.5f, 96, -1}, {300, 120, 25}, {300, 144, 30}};
  for (const auto& [twips, dpi, pixels] : to_pixels)
    EXPECT_EQ(twips_to_pixels(twips, dpi), pixels) << twips << " " << dpi;
  EXPECT_FLOAT_EQ(pixels_to_twips(21, 96), 315);
  EXPECT_FLOAT_EQ(pixels_to_twips(25, 120), 300);
  EXPECT_FLOAT_EQ(pixels_to_twips(32, 144), 320);
}

}  // namespace
}  // namespace tamarak
