#include "optimiser/fill_size.h"

#include <cmath>

namespace tamarak {

namespace {

float share_of(OptimiserLevel level) {
  switch (level) {
    case OptimiserLevel::low: return 0.2f;
    case OptimiserLevel::mid: return 0.4f;
    case OptimiserLevel::high: return 0.6f;
    case OptimiserLevel::highest: return 0.8f;
  }
  return 0.2f;
}

}  // namespace

std::uint64_t filler_count(std::uint64_t total_phys, OptimiserLevel level) {
  double base = static_cast<double>(total_phys) / 50'000'000.0;
  if (level != OptimiserLevel::mid) base /= 1.04297;
  // The base is kept in single precision and the factors are single-precision constants; the
  // product is then taken in double. The counts depend on exactly this.
  const float x = static_cast<float>(base);
  const double count =
      std::floor(static_cast<double>(x) * static_cast<double>(2500.0f) * static_cast<double>(share_of(level)));
  return count <= 0 ? 0 : static_cast<std::uint64_t>(count);
}

std::string_view completion_message(OptimiserLevel level) {
  switch (level) {
    case OptimiserLevel::low: return "最適化完了 (・o・)";
    case OptimiserLevel::mid:
    case OptimiserLevel::high: return "最適化完了 (・_・ゞ－☆";
    case OptimiserLevel::highest: return "最適化完了 ヽ(^｡^)ノ";
  }
  return {};
}

}  // namespace tamarak
