// The number texts: memory sizes, shares and amounts, the optimiser's filler count, the system
// version texts and the uptime report, each from arbitrary values.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "commands/uptime_text.h"
#include "fuzz_support.h"
#include "monitor/memory_figures.h"
#include "optimiser/fill_size.h"
#include "tools/os_texts.h"

using namespace tamarak;
using tamarak::fuzz::require;

namespace {

constexpr double kMegabyteDivisor = 1.04297;

// A size or amount text as (unit rank, figure); it must fit its box.
std::pair<int, long long> stepped_figure(const std::string& text) {
  const std::string_view units[] = {" MB", " GB", " TB", " PB"};
  for (int rank = 0; rank < 4; ++rank) {
    const std::string_view unit = units[rank];
    if (text.size() <= unit.size() || text.compare(text.size() - unit.size(), unit.size(), unit) != 0) continue;
    const auto figure = fuzz::plain_integer(std::string_view(text).substr(0, text.size() - unit.size()));
    require(figure && *figure >= 0, "size figure malformed", text);
    require(*figure <= 99999, "size figure wider than five digits", text);
    return {rank, *figure};
  }
  fuzz::fail("size text without a known unit", text);
}

void check_sizes(std::uint64_t a, std::uint64_t b) {
  if (a > b) std::swap(a, b);
  const auto small = stepped_figure(size_text(a)), large = stepped_figure(size_text(b));
  require(small <= large, "a larger size shows a smaller figure", size_text(a) + " / " + size_text(b));
  // Megabytes are kept as long as they fit.
  const double megabytes = std::floor(static_cast<double>(a) / 1e6 / kMegabyteDivisor);
  require((small.first == 0) == (megabytes < 100000.0), "megabytes given up at the wrong size", size_text(a));
  if (small.first == 0)
    require(small.second == static_cast<long long>(megabytes), "megabyte rule broken", size_text(a));
}

// Far over-full samples give figures beyond any integer type, so the figure is read as a double.
double percent_figure(const std::string& text) {
  require(text.size() > 2 && text.compare(text.size() - 2, 2, " %") == 0, "share without \" %\"", text);
  std::string_view figure = std::string_view(text).substr(0, text.size() - 2);
  const bool negative = !figure.empty() && figure[0] == '-';
  if (negative) figure.remove_prefix(1);
  require(!figure.empty() && figure.find_first_not_of("0123456789") == figure.npos &&
              (figure == "0" ? !negative : figure[0] != '0'),
          "share figure malformed", text);
  return std::strtod(text.c_str(), nullptr);
}

void check_shares(std::uint64_t available, std::uint64_t other_available, std::uint64_t total) {
  const double share = percent_figure(used_share_text(available, total));
  if (total == 0) return require(share == 0, "zero total does not show 0 %");
  if (available <= total)
    require(share >= 0 && share <= 100, "share outside 0 to 100", used_share_text(available, total));
  else
    require(share <= 0, "over-full sample shows a positive share", used_share_text(available, total));
  if (available == 0) require(share == 100, "nothing available is not 100 %");
  const double other = percent_figure(used_share_text(other_available, total));
  if (available <= other_available) require(share >= other, "more available shows a larger used share");
}

void check_amounts(std::uint64_t total_phys, std::uint64_t larger_total) {
  if (total_phys > larger_total) std::swap(total_phys, larger_total);
  std::pair<int, long long> previous{0, 0};
  for (double share : {0.2, 0.4, 0.6, 0.8}) {
    const std::string text = amount_text(total_phys, share);
    const auto figure = stepped_figure(text);
    require(figure >= previous, "a larger share shows a smaller amount", text);
    require(figure <= stepped_figure(size_text(total_phys)), "amount above the whole memory", text);
    require(stepped_figure(amount_text(larger_total, share)) >= figure, "more memory shows a smaller amount", text);
    // Megabytes are kept as long as they fit.
    const double megabytes = std::floor(static_cast<double>(total_phys) / 1e6 / kMegabyteDivisor * share);
    if (megabytes < 100000.0)
      require(figure == std::pair{0, static_cast<long long>(megabytes)}, "megabyte rule broken", text);
    previous = figure;
  }
}

// Each run writes count + 1 strings of 20,000 bytes: the share of the memory the level stands for,
// with the 40 % level's extra 4 %.
void check_filler(std::uint64_t total_phys, std::uint64_t larger_total) {
  if (total_phys > larger_total) std::swap(total_phys, larger_total);
  const std::pair<OptimiserLevel, double> levels[] = {{OptimiserLevel::low, 0.2 / kMegabyteDivisor},
                                                      {OptimiserLevel::mid, 0.4},
                                                      {OptimiserLevel::high, 0.6 / kMegabyteDivisor},
                                                      {OptimiserLevel::highest, 0.8 / kMegabyteDivisor}};
  std::uint64_t previous = 0;
  for (auto [level, share] : levels) {
    const std::uint64_t count = filler_count(total_phys, level);
    const double bytes = static_cast<double>(count) * 20'000.0, meant = static_cast<double>(total_phys) * share;
    require(bytes <= meant * (1 + 1e-6) && bytes >= meant * (1 - 1e-6) - 20'000.0, "filler size off its share",
            std::to_string(count));
    require(count >= previous, "a stronger level writes less");
    require(filler_count(larger_total, level) >= count, "more memory gets fewer filler strings");
    previous = count;
  }
}

// Plain decimal, at most seven significant digits, no trailing zeros after the point.
void check_decimal(const std::string& text) {
  std::string_view s = text;
  if (!s.empty() && s[0] == '-') s.remove_prefix(1);
  const auto point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  require(!whole.empty() && (whole == "0" || whole[0] != '0'), "malformed whole part", text);
  require(whole.find_first_not_of("0123456789") == whole.npos, "malformed whole part", text);
  std::string digits(whole);
  if (point != s.npos) {
    const std::string_view fraction = s.substr(point + 1);
    require(!fraction.empty() && fraction.back() != '0', "fraction empty or with trailing zeros", text);
    require(fraction.find_first_not_of("0123456789") == fraction.npos, "malformed fraction", text);
    digits += fraction;
  } else {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  }
  const auto first = digits.find_first_not_of('0');
  require(first == digits.npos || digits.size() - first <= 7, "more than seven significant digits", text);
  require(text != "-0", "negative zero", text);
}

std::string seven_digits(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6e", value);
  return buffer;
}

void check_single(float value) {
  const std::string text = single_text(value);
  check_decimal(text);
  if (!std::isfinite(value)) return;
  if (value == 0.0f) return require(text == "0", "zero not shown as 0", text);
  require(seven_digits(std::strtod(text.c_str(), nullptr)) == seven_digits(value), "text is not the value", text);
}

void check_os_texts(std::uint32_t major, std::uint32_t minor, std::uint32_t build, std::uint32_t platform) {
  const std::string version = os_version_text(major, minor);
  check_decimal(version);
  const double exact = major + minor / 100.0;
  require(std::fabs(std::strtod(version.c_str(), nullptr) - exact) <= exact * 1e-6, "version off", version);
  if (minor == 0 && major <= 9'999'999) require(version == std::to_string(major), "whole version not plain", version);

  const auto shown = fuzz::plain_integer(os_build_text(build));
  require(shown && *shown >= -32768 && *shown <= 32767, "build outside 16 bits", os_build_text(build));
  require((static_cast<std::uint64_t>(*shown) & 0xFFFF) == (build & 0xFFFF), "build is not the low word");

  require(os_family_name(platform) == os_family_name(platform & 0xFFFF), "family not taken from the low word");
}

void check_uptime(std::uint64_t milliseconds) {
  const std::string text = uptime_text(milliseconds);
  fuzz::Cursor cursor(text);
  cursor.literal("起動してから，");
  const auto [hours, minutes, seconds] = cursor.integers({"時間", "分", ""});
  require(cursor.ends_with_nothing_but("秒 経過しました"), "uptime ending wrong", text);
  require(hours >= 0 && minutes >= 0 && minutes < 60 && seconds >= 0 && seconds < 60, "uptime fields out of range",
          text);
  const unsigned __int128 counted = (static_cast<unsigned __int128>(hours) * 3600 + minutes * 60 + seconds) * 1000;
  require(counted <= milliseconds && milliseconds - counted < 1000, "uptime is not the elapsed time", text);
}

void check_bands(std::uint32_t load, std::uint32_t other) {
  if (load > other) std::swap(load, other);
  require(load_band(load) >= 0 && load_band(other) <= 4 && load_band(load) <= load_band(other), "bands out of order");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto a = input.ConsumeIntegral<std::uint64_t>(), b = input.ConsumeIntegral<std::uint64_t>();
  const auto c = input.ConsumeIntegral<std::uint64_t>();
  check_sizes(a, b);
  check_shares(a, b, c);
  check_amounts(a, b);
  check_filler(a, b);
  check_uptime(c);
  const auto u1 = input.ConsumeIntegral<std::uint32_t>(), u2 = input.ConsumeIntegral<std::uint32_t>();
  const auto u3 = input.ConsumeIntegral<std::uint32_t>(), u4 = input.ConsumeIntegral<std::uint32_t>();
  check_os_texts(u1 % 4 == 0 ? u1 % 64 : u1, u2 % 4 == 0 ? u2 % 100 : u2, u3, u4);
  check_bands(u1 % 256, u2);
  check_single(input.ConsumeFloatingPoint<float>());
  std::uint32_t bits = u3;
  float any;
  static_assert(sizeof any == sizeof bits);
  std::memcpy(&any, &bits, sizeof any);
  check_single(any);
  return 0;
}
