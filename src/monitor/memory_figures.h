// Texts and bands computed from one memory status sample.
#pragma once

#include <cstdint>
#include <string>

#include "system/values.h"

namespace tamarak {

// "257 MB" for 268,435,456 bytes: the divisor is 1.04297, not 1.048576. Figures that would need
// more than five digits switch to " GB", then " TB", then " PB", so they fit their value box.
std::string size_text(std::uint64_t bytes);

// Used share of a pair, cut down to the integer below: "54 %". A zero total shows "0 %".
std::string used_share_text(std::uint64_t available, std::uint64_t total);

// The load figure of the panel: "7 %".
std::string load_text(std::uint32_t load);

// The tray tip: "メモリ使用率 : 7%" (no blank before the percent sign).
std::string tray_tip(std::uint32_t load);

// 0 for 0-24, 1 for 25-49, 2 for 50-74, 3 for 75-99, 4 for 100. Loads above 100 never come from
// the system, but are kept in band 4 so they can never index past the five pictures.
int load_band(std::uint32_t load);

// Amount label under an optimiser button: the megabyte rule applied after taking share g of T,
// stepping up to " GB" and beyond past five digits as the panel figures do.
std::string amount_text(std::uint64_t total_phys, double share);

}  // namespace tamarak
