// The lower band of the main window: the titled rule, the four level buttons (the main window's
// commands cmdMemLow to cmdMemHigHig) with their amount labels, the version label and the credit.
#pragma once

#include <cstdint>

#include "ui/controls.h"

namespace tamarak {

enum OptimiserBandControl : int {
  Label13 = 1101,
  Label17,  // under the 20 % button
  Label16,  // 40 %
  Label15,  // 60 %
  Label18,  // 80 %
  Label12,
  Label14,
};

// The amount labels, set once at start-up from the total physical memory; never refreshed.
void show_amounts(Controls& band, std::uint64_t total_phys);

}  // namespace tamarak
