#include "tools/process_capture.h"

namespace tamarak {

namespace {

constexpr int kJapanOffsetHours = 9;

bool leap_year(long long year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in_month(long long year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 31;
  return month == 2 && leap_year(year) ? 29 : kDays[month - 1];
}

// A wider year than the reading's, so that the last day of the largest year still has a next one.
struct Date {
  long long year;
  int month, day;
};

Date next_day(Date d) {
  if (d.day < days_in_month(d.year, d.month)) return {d.year, d.month, d.day + 1};
  if (d.month < 12) return {d.year, d.month + 1, 1};
  return {d.year + 1, 1, 1};
}

}  // namespace

std::optional<std::string> japan_time_line(const UtcTime& reading) {
  if (reading.hour < 0 || reading.hour > 23) return std::nullopt;
  Date date{reading.year, reading.month, reading.day};
  int hour = reading.hour + kJapanOffsetHours;
  // Midnight in Japan is written as the 24th hour of the day that is ending, as the clock of a
  // late-night broadcast would; from 1 o'clock on the new Japan date applies.
  const char* suffix = "秒　現在";
  if (hour > 24) {
    hour -= 24;
    date = next_day(date);
    suffix = "秒 現在";
  }
  return "  " + std::to_string(date.year) + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) +
         "日 " + std::to_string(hour) + "時" + std::to_string(reading.minute) + "分" + std::to_string(reading.second) +
         suffix;
}

std::string process_count_line(int count) { return "  " + std::to_string(count) + " 個の内部プロセスが動作しています"; }

std::vector<std::string> capture_summary(const UtcTime& reading, int count) {
  const std::string rule(40, '-');
  std::vector<std::string> lines{"", "▽" + rule + "▽"};
  if (auto time = japan_time_line(reading)) lines.push_back(*time);
  lines.push_back(process_count_line(count));
  lines.push_back(std::string(19, ' ') + "Captured by 「Tamarak」");
  lines.push_back("△" + rule + "△");
  lines.push_back("");
  return lines;
}

}  // namespace tamarak
