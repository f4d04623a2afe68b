// The About window as designed: 388 x 359 pixels of client area at 96 dpi, its controls and lines,
// named as the window's designer named them, and the texts its links and credit are made from.
#pragma once

#include "ui/design.h"

namespace tamarak::frmAbout_design {

enum Control : int {
  Picture4 = 1501,
  lblTitle,
  lblVersion,
  Label4,
  Label7,
  Label8,
  picIcon,
  Label6,
  Label9,
  Label2,
  Label1,
  Label5,
  LblMail,
  Label3,
  Picture1,
  Picture2,  // inside Picture1
  Text1,
  cmdOK,
  cmdSysInfo,
};

inline constexpr char kHomePage[] = "https://www.example.com/tamarak/";
inline constexpr char kMailAddress[] = "tamarak@example.com";
inline constexpr char kCreditText[] = "みずなぎ ソフト工房\r\n　　(・_・ゞ－☆";

// Constant-initialized where it is defined (constinit).
extern const WindowDesign kDesign;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace tamarak::frmAbout_design
