// The program's name and its own fixed messages.
#pragma once

#include <windows.h>

namespace tamarak {

inline constexpr char kProgramTitle[] = "Tamarak　タマラック";
inline constexpr char kMainCaption[] = " Tamarak　タマラック";
inline constexpr char kTooOldMessage[] = "This program requires Windows 95 or later, or Windows NT 4.0 or later.";
// A box of the main window's often comes up seconds after the click that asked for it (a run's end),
// over whatever the user has gone on to, its owner hidden: it comes to the front, above the others.
inline constexpr UINT kInFront = MB_SETFOREGROUND | MB_TOPMOST;
inline constexpr char kSecondCopyMessage[] = "Tamarak タマラックは、二重起動することができません！ゴメンネ！";

}  // namespace tamarak
