// The file-path clipboard window as designed: 569 x 343 pixels of client area at 96 dpi, its
// caption, its text box and the ids of its drop menu.
#pragma once

#include "ui/design.h"

namespace tamarak::frmClip_design {

inline constexpr char kCaption[] =
    "多用途クリップボード（Drag&Dropでファイル名取得&常時最前面表示）　　Tamarak Version 3.0";

enum Control : int { txtList = 3201, mnuPopup_FullPath, mnuPopup_FileName, mnuPopup_Cancel };

// Constant-initialized where it is defined (constinit).
extern const WindowDesign kDesign;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace tamarak::frmClip_design
