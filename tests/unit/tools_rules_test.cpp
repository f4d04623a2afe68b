#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <utility>

#include "base/decimal_digits.h"
#include "tools/os_texts.h"
#include "tools/path_name.h"
#include "tools/process_capture.h"

namespace tamarak {
namespace {

std::string time_line(int year, int month, int day, int hour, int minute, int second) {
  return japan_time_line({year, month, day, hour, minute, second}).value_or("(left out)");
}

TEST(JapanTimeLine, DaytimeHoursKeepTheReadingsDateWithAnIdeographicSpace) {
  EXPECT_EQ(time_line(2002, 2, 24, 3, 5, 7), "  2002年2月24日 12時5分7秒　現在");
  EXPECT_EQ(time_line(2002, 2, 24, 0, 0, 0), "  2002年2月24日 9時0分0秒　現在");
  // Japan's midnight is the 24th hour of the day that is ending.
  EXPECT_EQ(time_line(2002, 2, 24, 15, 0, 0), "  2002年2月24日 24時0分0秒　現在");
  EXPECT_EQ(time_line(2002, 12, 31, 15, 59, 59), "  2002年12月31日 24時59分59秒　現在");
}

TEST(JapanTimeLine, LateUtcHoursShowTheNextJapanDateWithAnOrdinarySpace) {
  EXPECT_EQ(time_line(2002, 2, 24, 16, 0, 1), "  2002年2月25日 1時0分1秒 現在");
  EXPECT_EQ(time_line(2002, 2, 24, 23, 30, 0), "  2002年2月25日 8時30分0秒 現在");
  EXPECT_EQ(time_line(2023, 4, 30, 20, 1, 2), "  2023年5月1日 5時1分2秒 現在");
  EXPECT_EQ(time_line(2023, 1, 31, 16, 0, 0), "  2023年2月1日 1時0分0秒 現在");
  EXPECT_EQ(time_line(2023, 2, 28, 16, 0, 0), "  2023年3月1日 1時0分0秒 現在");
  EXPECT_EQ(time_line(2024, 2, 28, 16, 0, 0), "  2024年2月29日 1時0分0秒 現在");
  EXPECT_EQ(time_line(2024, 2, 29, 16, 0, 0), "  2024年3月1日 1時0分0秒 現在");
  EXPECT_EQ(time_line(2000, 2, 28, 16, 0, 0), "  2000年2月29日 1時0分0秒 現在");
  EXPECT_EQ(time_line(2100, 2, 28, 16, 0, 0), "  2100年3月1日 1時0分0秒 現在");
  EXPECT_EQ(time_line(2002, 12, 31, 23, 59, 59), "  2003年1月1日 8時59分59秒 現在");
  // The year after the largest one a reading can hold is still counted, not wrapped.
  EXPECT_EQ(time_line(INT_MAX, 12, 31, 16, 0, 0), "  2147483648年1月1日 1時0分0秒 現在");
}

TEST(JapanTimeLine, HoursOutsideTheDayLeaveTheLineOut) {
  EXPECT_FALSE(japan_time_line({2002, 2, 24, 24, 0, 0}));
  EXPECT_FALSE(japan_time_line({2002, 2, 24, -1, 0, 0}));
}

TEST(CaptureSummary, SevenFramedLinesAroundTheTimeAndCount) {
  EXPECT_EQ(process_count_line(57), "  57 個の内部プロセスが動作しています");
  EXPECT_EQ(process_count_line(0), "  0 個の内部プロセスが動作しています");
  const std::vector<std::string> expected{"",
                                          "▽----------------------------------------▽",
                                          "  2002年2月24日 12時5分7秒　現在",
                                          "  57 個の内部プロセスが動作しています",
                                          "                   Captured by 「Tamarak」",
                                          "△----------------------------------------△",
                                          ""};
  EXPECT_EQ(capture_summary({2002, 2, 24, 3, 5, 7}, 57), expected);

  std::vector<std::string> without_time = expected;
  without_time.erase(without_time.begin() + 2);
  without_time[2] = process_count_line(3);
  EXPECT_EQ(capture_summary({2002, 2, 24, 25, 5, 7}, 3), without_time);
}

TEST(FileNamePart, EverythingAfterTheLastBackslash) {
  EXPECT_EQ(file_name_part("C:\\Data\\a.txt"), "a.txt");
  EXPECT_EQ(file_name_part("C:\\"), "");
  EXPECT_EQ(file_name_part("a.txt"), "a.txt");
  EXPECT_EQ(file_name_part("C:\\Data\\Photos"), "Photos");
  EXPECT_EQ(file_name_part("\\\\server\\share\\x.doc"), "x.doc");
  EXPECT_EQ(file_name_part("C:\\書類\\表計算.xls"), "表計算.xls");
  EXPECT_EQ(file_name_part(L"D:\\書類\\予定表.txt"), L"予定表.txt");
  EXPECT_EQ(file_name_part(L"D:\\"), L"");
  EXPECT_EQ(file_name_part(""), "");
}

TEST(OsTexts, VersionBuildAndFamily) {
  const std::tuple<std::uint32_t, std::uint32_t, std::string> versions[] = {
      {4, 10, "4.1"}, {4, 0, "4"}, {4, 90, "4.9"}, {5, 0, "5"}, {5, 1, "5.01"}, {6, 3, "6.03"}, {10, 0, "10"}};
  for (const auto& [major, minor, text] : versions) EXPECT_EQ(os_version_text(major, minor), text);
  // Windows 98 keeps its version in the build's high word; the low word is a signed 16-bit figure.
  const std::pair<std::uint32_t, std::string> builds[] = {
      {19045, "19045"}, {0x040A08AE, "2222"}, {40000, "-25536"}, {0xFFFF, "-1"}, {0, "0"}};
  for (const auto& [build, text] : builds) EXPECT_EQ(os_build_text(build), text) << build;
  // Only the platform's low 16 bits count.
  const std::pair<std::uint32_t, std::string> families[] = {
      {0, "Win32s"}, {1, "Windows 95/98"}, {2, "Windows NT"}, {3, ""}, {0x10002, "Windows NT"}};
  for (const auto& [platform, name] : families) EXPECT_EQ(os_family_name(platform), name) << platform;
}

TEST(SingleText, SevenSignificantDigitsInPlainDecimal) {
  EXPECT_EQ(single_text(4.1f), "4.1");
  EXPECT_EQ(single_text(0.0f), "0");
  EXPECT_EQ(single_text(-0.0f), "0");
  EXPECT_EQ(single_text(0.05f), "0.05");
  EXPECT_EQ(single_text(-2.5f), "-2.5");
  EXPECT_EQ(single_text(1.0f / 3.0f), "0.3333333");
  EXPECT_EQ(single_text(1234567.0f), "1234567");
  EXPECT_EQ(single_text(123456789.0f), "123456800");
  EXPECT_EQ(single_text(42949672.95f), "42949670");

  // The digits are the C library's, ties to even included: every float of a spread of bit patterns,
  // and the wholes of doubles up to the largest.
  for (std::uint32_t bits = 1; bits < 0x7F800000; bits += 0x3FFFB) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.6e", static_cast<double>(value));
    const DecimalDigits digits = significant_digits(value, 7);
    ASSERT_EQ(digits.digits, std::string(printed, 1) + std::string(printed + 2, 6)) << printed;
    ASSERT_EQ(digits.point, std::atoi(std::strchr(printed, 'e') + 1)) << printed;
  }
  for (double whole : {-0.0, 1e21, -1.8446744073709552e21, 0x1p100, 1.7976931348623157e308, 9007199254740993.0}) {
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.0f", whole);
    EXPECT_EQ(integral_text(whole), printed);
  }
  EXPECT_EQ(significant_digits(0.5, 1).digits, "5");
  EXPECT_EQ(significant_digits(2.5, 1).digits, "2");  // half to even
  EXPECT_EQ(significant_digits(9.96, 2).digits + std::to_string(significant_digits(9.96, 2).point), "101");
}

}  // namespace
}  // namespace tamarak
