// The texts of a process capture: the framed summary block under the names and its Japan-time line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "system/values.h"

namespace tamarak {

// "  2002年2月24日 12時5分7秒　現在": the reading in Japan Standard Time. UTC hours 0 to 15 show
// as 9 to 24 on the reading's own date; hours 16 to 23 show as 1 to 8 on the Japan date, one day
// later. Nothing for an hour outside 0 to 23.
std::optional<std::string> japan_time_line(const UtcTime& reading);

// "  57 個の内部プロセスが動作しています"
std::string process_count_line(int count);

// The lines appended after the names: an empty line, the top rule, the time line, the count line,
// the signature, the bottom rule and an empty line.
std::vector<std::string> capture_summary(const UtcTime& reading, int count);

}  // namespace tamarak
