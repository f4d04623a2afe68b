// The dpi every design length is scaled by.
#pragma once

#include <windows.h>

namespace tamarak {

int screen_dpi();
// The dpi of the monitor the window is on, where the system knows each window's (Windows 10 1607 and
// later); the screen's before that.
int window_dpi(HWND window);

}  // namespace tamarak
