#include "ui/colour_button.h"

#include <string>

namespace tamarak {

void draw_colour_button(const DRAWITEMSTRUCT& item, COLORREF face) {
  const HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  SetDCBrushColor(dc, face);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  wchar_t caption[64];
  const int length = GetWindowTextW(item.hwndItem, caption, 64);
  RECT text = r;
  if (pressed) OffsetRect(&text, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  // The cues the user has asked for: no underlined access keys or focus rectangle until the
  // keyboard is used, as every button of the system draws them.
  const UINT accel = item.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0;
  if (item.itemState & ODS_DISABLED) {
    // Etched, as the system draws a disabled button's text.
    OffsetRect(&text, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | accel);
    OffsetRect(&text, -1, -1);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextW(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | accel);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(dc, &r);
  }
}

}  // namespace tamarak
