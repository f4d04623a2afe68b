#include "ui/dark_menu_bar.h"

#include "ui/design.h"

namespace tamarak {

namespace {

void fill(HDC dc, const RECT& area, int index) {
  const COLORREF was = SetDCBrushColor(dc, dark_colour(index));
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, was);
}

// The bar's rectangle in the window's own coordinates, as a whole-window DC draws.
RECT bar_in_window(HWND window) {
  MENUBARINFO bar{};
  bar.cbSize = sizeof bar;
  if (!GetMenuBarInfo(window, OBJID_MENU, 0, &bar)) return {};
  RECT outer;
  GetWindowRect(window, &outer);
  OffsetRect(&bar.rcBar, -outer.left, -outer.top);
  return bar.rcBar;
}

void draw_item(const UahDrawMenuItem& step) {
  const DRAWITEMSTRUCT& item = step.item;
  wchar_t caption[64] = L"";
  GetMenuStringW(step.menu.menu, static_cast<UINT>(step.position), caption, 64, MF_BYPOSITION);
  const bool lit = item.itemState & (ODS_HOTLIGHT | ODS_SELECTED);
  fill(item.hDC, item.rcItem, lit ? COLOR_MENUHILIGHT : COLOR_MENUBAR);
  const bool faint = item.itemState & (ODS_INACTIVE | ODS_GRAYED | ODS_DISABLED);
  const COLORREF text = SetTextColor(item.hDC, dark_colour(faint ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
  const int mode = SetBkMode(item.hDC, TRANSPARENT);
  // The access keys underlined only while the keyboard is in use, as the system draws them.
  RECT area = item.rcItem;
  DrawTextW(item.hDC, caption, -1, &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | (item.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0));
  SetBkMode(item.hDC, mode);
  SetTextColor(item.hDC, text);
}

// The frame draws a light line across the window under the bar, after the bar.
void cover_line_under_bar(HWND window) {
  RECT line = bar_in_window(window);
  if (IsRectEmpty(&line)) return;
  line.top = line.bottom;
  ++line.bottom;
  if (const HDC dc = GetWindowDC(window)) {
    fill(dc, line, COLOR_MENUBAR);
    ReleaseDC(window, dc);
  }
}

}  // namespace

std::optional<LRESULT> draw_dark_menu_bar(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kUahDrawMenu: {
      const UahMenu& bar = *reinterpret_cast<const UahMenu*>(lparam);
      fill(bar.dc, bar_in_window(window), COLOR_MENUBAR);
      return TRUE;
    }
    case kUahDrawMenuItem: draw_item(*reinterpret_cast<const UahDrawMenuItem*>(lparam)); return TRUE;
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
      cover_line_under_bar(window);
      return result;
    }
  }
  return std::nullopt;
}

}  // namespace tamarak
