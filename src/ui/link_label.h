// A label that opens something when clicked, made usable by keyboard: reached by Tab, opened by
// Enter and Space, its focus shown as the system's focus rectangle.
#pragma once

#include <windows.h>

namespace tamarak {

// Gives a STATIC with SS_NOTIFY and WS_TABSTOP what a link needs: Enter and Space tell its parent
// STN_CLICKED, as a click does.
void make_link(HWND label);

}  // namespace tamarak
