// The main window as designed: 508 x 147 pixels of client area at 96 dpi, its controls and lines,
// named as the window's designer named them. The level buttons' ids are their commands
// (app/commands.h).
#pragma once

#include "ui/design.h"

namespace tamarak::frmSysTray_design {

inline constexpr int kClientWidth = 508, kClientHeight = 147;

enum Control : int {
  // The memory panel: load, the three-by-three grid of figures and the band indicator.
  Label1 = 1001,
  lblMemoryLoad,
  Label5,
  Label6,
  Label7,
  Label2,
  Label4,
  Label3,
  lblTotalPhys,
  lblAvailPhys,
  lblPhysPer,
  lblTotalPageFile,
  lblAvailPageFile,
  lblPagePer,
  lblTotalVirtual,
  lblAvailVirtual,
  lblVirtPer,
  imgIcon0,  // imgIcon(0) to imgIcon(4) follow in order
  Label8_0 = imgIcon0 + 5,
  Label9,
  Label10,
  Label11,
  // The optimiser band: its title, the amount under each level button, the version and the credit.
  Label13 = 1101,
  Label17,  // under the 20 % button
  Label16,  // 40 %
  Label15,  // 60 %
  Label18,  // 80 %
  Label12,
  Label14,
};

// The callout lines Line1(0) to Line1(7) in order, then the window's own.
enum Line : int { Line1_0 = 1, Line1_7 = Line1_0 + 7, lin1 = 101, lin2, Line2, Line4, Line8 };

// Constant-initialized where it is defined (constinit).
extern const WindowDesign kDesign;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace tamarak::frmSysTray_design
