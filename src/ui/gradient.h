// The main window's background: black at the top to pure blue at the bottom, in 256 bands.
#pragma once

namespace tamarak {

// Blue level of client row `row` in a client area `height` rows high.
constexpr int gradient_blue(int row, int height) {
  if (height <= 0 || row <= 0) return 0;
  const long long band = static_cast<long long>(row) * 256 / height;
  return band > 255 ? 255 : static_cast<int>(band);
}

}  // namespace tamarak
