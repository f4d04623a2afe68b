#include "monitor/memory_figures.h"

#include <cmath>

#include "base/decimal_digits.h"

namespace tamarak {

namespace {

constexpr double kMegabyteDivisor = 1.04297;

std::string whole_units(double value, const char* unit) {
  return std::to_string(static_cast<std::uint64_t>(std::floor(value))) + unit;
}

// `figure(scale)` is the quantity counted in units of `scale` bytes. Figures that would need more
// than five digits switch to the next unit, so they fit their box.
template <class Figure>
std::string stepped_size(Figure figure) {
  for (auto [scale, unit] : {std::pair{1e6, " MB"}, std::pair{1e9, " GB"}, std::pair{1e12, " TB"}}) {
    const double units = std::floor(figure(scale));
    if (units < 100000.0) return whole_units(units, unit);
  }
  // The largest 64-bit count shows as 17686 PB, so the figure always fits.
  return whole_units(figure(1e15), " PB");
}

}  // namespace

std::string size_text(std::uint64_t bytes) {
  const double b = static_cast<double>(bytes);
  return stepped_size([b](double scale) { return b / scale / kMegabyteDivisor; });
}

std::string used_share_text(std::uint64_t available, std::uint64_t total) {
  if (total == 0) return "0 %";
  const double share = 100.0 - static_cast<double>(available) / static_cast<double>(total) * 100.0;
  // A sample whose available figure exceeds the total (the system samples them apart) shows a
  // negative share, not a huge unsigned number. The double is written as it is: far enough over,
  // it fits no integer type (at most 22 digits here).
  return integral_text(std::floor(share)) + " %";
}

std::string load_text(std::uint32_t load) { return std::to_string(load) + " %"; }

std::string tray_tip(std::uint32_t load) { return "メモリ使用率 : " + std::to_string(load) + "%"; }

int load_band(std::uint32_t load) { return load >= 100 ? 4 : static_cast<int>(load / 25); }

std::string amount_text(std::uint64_t total_phys, double share) {
  const double t = static_cast<double>(total_phys);
  return stepped_size([t, share](double scale) { return t / scale / kMegabyteDivisor * share; });
}

}  // namespace tamarak
