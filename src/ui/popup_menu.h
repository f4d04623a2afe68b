// A popup menu run the way the shell's notification icons and context menus need it.
#pragma once

#include <windows.h>

#include "ui/prompts.h"

namespace tamarak {

// The window comes to the foreground first, or the menu would not close on a click elsewhere (where
// the system refuses, the menu watches the input itself); the message posted after it lets the menu
// close properly.
MenuChoice choose_from_popup(Prompts& prompts, HWND owner, HMENU menu, POINT where);

}  // namespace tamarak
