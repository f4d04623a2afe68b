// Cuts a window's whole outline, title bar included, to a rounded rectangle of its current size.
#pragma once

#include <windows.h>

namespace tamarak {

// Called from a window's resize handler. The region then belongs to the window, which frees the
// one it replaces, so nothing accumulates however often the window is resized.
void apply_rounded_frame(HWND window, int dpi);

}  // namespace tamarak
