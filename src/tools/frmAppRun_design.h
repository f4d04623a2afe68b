// The process list as designed: 433 x 488 pixels of client area at 96 dpi, its caption and controls.
#pragma once

#include "ui/design.h"

namespace tamarak::frmAppRun_design {

inline constexpr char kCaption[] = "起動プロセス一覧　　Tamarak Version 3.0";

enum Control : int { List1 = 3101, Command1, Label1 };

// Constant-initialized where it is defined (constinit).
extern const WindowDesign kDesign;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace tamarak::frmAppRun_design
