// Design lengths are pixels at 96 dpi; the windows draw at the screen's real dpi.
#pragma once

namespace tamarak {

// Rounds halves away from zero, as MulDiv does.
constexpr int scale_to_dpi(int pixels_at_96, int dpi) {
  const long long n = static_cast<long long>(pixels_at_96) * dpi;
  return static_cast<int>(n >= 0 ? (n + 48) / 96 : -((-n + 48) / 96));
}

}  // namespace tamarak
