// The IP/OS information window as designed: 259 x 198 pixels of client area at 96 dpi, its caption
// and controls.
#pragma once

#include "ui/design.h"

namespace tamarak::frmIp_design {

inline constexpr char kCaption[] = "IP/OS 情報　　Tamarak Version 3.0";

enum Control : int {
  frm1 = 3301,
  lblIp,
  txtIp,
  lblPc,
  txtPc,
  frm2,
  lblOsName,
  lblOsVer,
  lblOsBuild,
  txtOsName,
  txtOsVer,
  txtOsBuild,
};

// Constant-initialized where it is defined (constinit).
extern const WindowDesign kDesign;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace tamarak::frmIp_design
