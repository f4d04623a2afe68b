#include "commands/uptime_text.h"

namespace tamarak {

std::string uptime_text(std::uint64_t milliseconds) {
  const std::uint64_t seconds = milliseconds / 1000;
  const std::uint64_t minutes = seconds / 60;
  const std::uint64_t hours = minutes / 60;
  const std::uint64_t minute = minutes - 60 * hours;
  const std::uint64_t second = seconds - 3600 * hours - 60 * minute;
  return "起動してから，" + std::to_string(hours) + "時間" + std::to_string(minute) + "分" + std::to_string(second) +
         "秒 経過しました";
}

}  // namespace tamarak
