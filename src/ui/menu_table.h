// Menus as data: rows in the order the menu shows them, each deeper row belonging to the submenu
// of the row above it at the next depth up.
#pragma once

#include <windows.h>

#include <span>

#include "base/handles.h"

namespace tamarak {

struct MenuRow {
  int depth;
  const char* name;     // the item's name in the window's design
  const char* caption;  // UTF-8; "-" is a separator
  UINT command = 0;     // 0 for a submenu's own row and for separators
  bool is_default = false;
};

// A menu bar, or a popup menu, holding the rows.
OwnedMenu build_menu_bar(std::span<const MenuRow> rows);
OwnedMenu build_popup_menu(std::span<const MenuRow> rows);

}  // namespace tamarak
