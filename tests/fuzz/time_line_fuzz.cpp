// The process capture's summary lines from arbitrary clock readings and counts: any int in every
// field, with realistic ranges mixed in so the date changes are reached often.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "tools/process_capture.h"

using namespace tamarak;
using tamarak::fuzz::require;

namespace {

int field(FuzzedDataProvider& input, int low, int high) {
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: return input.ConsumeIntegral<int>();
    case 1: return input.ConsumeIntegralInRange(low - 2, high + 2);
    default: return input.ConsumeIntegralInRange(low, high);
  }
}

bool real_date(const UtcTime& t) {
  namespace c = std::chrono;
  // The calendar types keep months and days in a byte, so the ranges are checked first.
  return t.year >= -32000 && t.year <= 32000 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 &&
         c::year_month_day(c::year(t.year), c::month(static_cast<unsigned>(t.month)),
                           c::day(static_cast<unsigned>(t.day)))
             .ok();
}

void check_time_line(const UtcTime& t, const std::string& line) {
  fuzz::Cursor cursor(line);
  cursor.literal("  ");
  const auto [year, month, day, hour, minute, second] = cursor.integers({"年", "月", "日 ", "時", "分", ""});
  require(minute == t.minute && second == t.second, "minute or second not the reading's", line);

  const bool next_japan_day = t.hour >= 16;
  require(cursor.ends_with_nothing_but(next_japan_day ? "秒 現在" : "秒　現在"), "wrong suffix", line);
  require(hour == (next_japan_day ? t.hour - 15 : t.hour + 9), "wrong Japan hour", line);
  if (!next_japan_day) {
    require(year == t.year && month == t.month && day == t.day, "daytime date not the reading's", line);
  } else if (real_date(t)) {
    namespace c = std::chrono;
    const c::year_month_day reading(c::year(t.year), c::month(static_cast<unsigned>(t.month)),
                                    c::day(static_cast<unsigned>(t.day)));
    const c::year_month_day next{c::sys_days{reading} + c::days{1}};
    require(year == int{next.year()} && month == unsigned{next.month()} && day == unsigned{next.day()},
            "late hours not on the next date", line);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  UtcTime t;
  t.year = field(input, 1601, 30827);
  t.month = field(input, 1, 12);
  t.day = field(input, 1, 31);
  t.hour = field(input, 0, 23);
  t.minute = field(input, 0, 59);
  t.second = field(input, 0, 59);
  const int count = input.ConsumeIntegral<int>();

  const auto line = japan_time_line(t);
  require(line.has_value() == (t.hour >= 0 && t.hour <= 23), "time line kept or left out wrongly");
  if (line) check_time_line(t, *line);

  const std::string count_line = process_count_line(count);
  fuzz::Cursor cursor(count_line);
  cursor.literal("  ");
  require(cursor.integer() == count, "count line is not the count", count_line);
  require(cursor.ends_with_nothing_but(" 個の内部プロセスが動作しています"), "count line ending wrong", count_line);

  const std::vector<std::string> lines = capture_summary(t, count);
  require(lines.size() == (line ? 7u : 6u), "summary has the wrong number of lines");
  require(lines.front().empty() && lines.back().empty(), "summary not framed by empty lines");
  if (line) require(lines[2] == *line, "summary's time line differs", lines[2]);
  require(lines[lines.size() - 4] == count_line, "summary's count line differs", lines[lines.size() - 4]);
  return 0;
}
