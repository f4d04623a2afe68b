// The lower band of the main window: the titled rule, the four level buttons with their tool tips
// and amount labels, the version label and the credit.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/controls.h"
#include "ui/tooltips.h"

namespace tamarak {

enum OptimiserBandControl : int {
  Label13 = 1101,
  cmdMemLow,
  cmdMemMid,
  cmdMemHig,
  cmdMemHigHig,
  Label17,
  Label16,
  Label15,
  Label18,
  Label12,
  Label14,
};

constexpr COLORREF kLevelButtonFace = RGB(192, 192, 255);

class OptimiserBand {
 public:
  OptimiserBand(ControlSet& controls, HWND window, HFONT font, HFONT italic_font);

  // Set once at start-up from the total physical memory; never refreshed.
  void show_amounts(std::uint64_t total_phys);

 private:
  HWND window_;
  Tooltips tips_;
};

}  // namespace tamarak
