// The uptime report: whole hours (never folded into days), minutes and seconds.
#pragma once

#include <cstdint>
#include <string>

namespace tamarak {

// From the milliseconds since the system started, a 64-bit count so it never wraps.
std::string uptime_text(std::uint64_t milliseconds);

}  // namespace tamarak
