// The operating system's family, version and build as the IP/OS window writes them.
#pragma once

#include <cstdint>
#include <string>

namespace tamarak {

// "Win32s", "Windows 95/98" or "Windows NT" for platform ids 0, 1 and 2 (taken as signed 16-bit);
// empty for any other.
std::string os_family_name(std::uint32_t platform_id);

// major + minor / 100 as a single-precision number: 4.10 is "4.1", 5.0 is "5", 10.0 is "10".
std::string os_version_text(std::uint32_t major, std::uint32_t minor);

// The build as a signed 16-bit number. Windows 95/98 keep the version in the high word of the
// build, which this drops.
std::string os_build_text(std::uint32_t build);

// Plain decimal notation with at most seven significant digits and no trailing zeros.
std::string single_text(float value);

}  // namespace tamarak
