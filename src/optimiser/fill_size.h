// How many filler strings a run of each strength writes, and what it says when done.
#pragma once

#include <cstdint>
#include <string_view>

#include "system/values.h"

namespace tamarak {

enum class OptimiserLevel { low, mid, high, highest };  // 20, 40, 60 and 80 %

// The highest index of the filler array: a run writes count + 1 strings. The 40 % level skips the
// 1.04297 divisor the others use, so it writes about 4 % more than its label says.
std::uint64_t filler_count(std::uint64_t total_phys, OptimiserLevel level);

std::string_view completion_message(OptimiserLevel level);
inline constexpr char kOutOfMemoryMessage[] = "メモリが不足したため、最適化を中止しました。";

}  // namespace tamarak
