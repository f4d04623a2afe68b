// The main window's menu bar and the tray popup menu.
#pragma once

#include <span>

#include "ui/menu_table.h"

namespace tamarak {

std::span<const MenuRow> menu_bar_rows();
// "メモリの詳細を表示" is the default, drawn bold.
std::span<const MenuRow> tray_popup_rows();

}  // namespace tamarak
