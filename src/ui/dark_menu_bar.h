// The menu bar strip in the dark app mode. Windows draws a menu bar light whatever the mode; but
// before it draws a themed one it offers each step to the window: the strip (WM_UAHDRAWMENU) and
// each item (WM_UAHDRAWMENUITEM). The messages are not documented; Notepad++ among many programs
// answers them. Where they never come (visual styles off, high contrast, Wine) the bar is the
// system's, light.
#pragma once

#include <windows.h>

#include <optional>

namespace tamarak {

inline constexpr UINT kUahDrawMenu = 0x0091, kUahDrawMenuItem = 0x0092;

// What the messages carry, as far as it is read: WM_UAHDRAWMENU's LPARAM points at a UahMenu,
// WM_UAHDRAWMENUITEM's at a UahDrawMenuItem, which goes on with sizes nobody reads.
struct UahMenu {
  HMENU menu;
  HDC dc;
  DWORD flags;
};
struct UahDrawMenuItem {
  DRAWITEMSTRUCT item;
  UahMenu menu;
  int position;  // of the item in the bar
};

// In the dark mode, a window with a menu bar hands its messages here first: the strip and its items
// are drawn dark, and the light line the frame draws under the bar is covered. The result, or
// nothing for a message that is not such a step.
std::optional<LRESULT> draw_dark_menu_bar(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace tamarak
