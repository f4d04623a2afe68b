#include "ui/menu_table.h"

#include <string_view>

#include "base/failure_note.h"
#include "base/text.h"

namespace tamarak {

namespace {

// Appends the rows of one level to `menu`, starting at rows[0]; returns how many rows it used.
size_t append_rows(HMENU menu, std::span<const MenuRow> rows, int depth) {
  size_t i = 0;
  while (i < rows.size() && rows[i].depth == depth) {
    const MenuRow& row = rows[i++];
    if (std::string_view(row.caption) == "-") {
      NOTE_IF_FALSE(AppendMenuW(menu, MF_SEPARATOR, 0, nullptr));
    } else if (i < rows.size() && rows[i].depth > depth) {
      const HMENU sub = NOTE_IF_NULL(CreatePopupMenu());
      i += append_rows(sub, rows.subspan(i), depth + 1);
      NOTE_IF_FALSE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), widen(row.caption).c_str()));
    } else {
      NOTE_IF_FALSE(AppendMenuW(menu, MF_STRING, row.command, widen(row.caption).c_str()));
      if (row.is_default) NOTE_IF_FALSE(SetMenuDefaultItem(menu, row.command, FALSE));
    }
  }
  return i;
}

}  // namespace

OwnedMenu build_menu_bar(std::span<const MenuRow> rows) {
  OwnedMenu bar(NOTE_IF_NULL(CreateMenu()));
  append_rows(bar.get(), rows, 0);
  return bar;
}

OwnedMenu build_popup_menu(std::span<const MenuRow> rows) {
  OwnedMenu popup(NOTE_IF_NULL(CreatePopupMenu()));
  append_rows(popup.get(), rows, 0);
  return popup;
}

}  // namespace tamarak
