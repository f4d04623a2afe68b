#include "tools/os_texts.h"

#include <cmath>

#include "base/decimal_digits.h"

namespace tamarak {

std::string os_family_name(std::uint32_t platform_id) {
  switch (static_cast<std::int16_t>(platform_id)) {
    case 0: return "Win32s";
    case 1: return "Windows 95/98";
    case 2: return "Windows NT";
    default: return "";
  }
}

std::string os_version_text(std::uint32_t major, std::uint32_t minor) {
  return single_text(static_cast<float>(major + minor / 100.0));
}

std::string os_build_text(std::uint32_t build) { return std::to_string(static_cast<std::int16_t>(build)); }

std::string single_text(float value) {
  if (!std::isfinite(value)) return "0";
  // Seven significant digits, then placed around the decimal point.
  auto [digits, exponent] = significant_digits(value, 7);
  const bool negative = std::signbit(value);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  if (digits == "0") return "0";

  std::string out;
  if (exponent < 0) {
    out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else if (static_cast<size_t>(exponent) + 1 >= digits.size()) {
    out = digits + std::string(exponent + 1 - digits.size(), '0');
  } else {
    out = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  }
  return negative ? "-" + out : out;
}

}  // namespace tamarak
