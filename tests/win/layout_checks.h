// What every designed window must show of its table, whatever the dpi: each control where its row
// puts it, in the row's face and colours, with the row's text; nothing outside the client area or
// overlapping that the design does not have; the tab order of the rows.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>

#include "base/dpi_scale.h"
#include "helpers.h"
#include "ui/design.h"

namespace tamarak {

inline RECT design_rect(const DesignRect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

inline RECT scaled(const DesignRect& r, int dpi) {
  return {scale_to_dpi(r.x, dpi), scale_to_dpi(r.y, dpi), scale_to_dpi(r.x + r.width, dpi),
          scale_to_dpi(r.y + r.height, dpi)};
}

inline bool overlap(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

inline bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The share of a window's client area (or its first `rows`), children included, drawn in `colour`.
inline double colour_share(HWND window, COLORREF colour, int rows = 0) {
  RedrawWindow(GetAncestor(window, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r;
  GetClientRect(window, &r);
  if (rows) r.bottom = rows;
  const HDC dc = GetDCEx(window, nullptr, DCX_CACHE);
  int count = 0;
  for (int i = 0; i < r.right * r.bottom; ++i) count += GetPixel(dc, i % r.right, i / r.right) == colour;
  ReleaseDC(window, dc);
  return static_cast<double>(count) / (r.right * r.bottom);
}
// In system colour `index`.
inline double drawn_share(HWND window, int index) { return colour_share(window, GetSysColor(index)); }

// `design_client` is the client area as designed, at 96 dpi; `filled` lists the controls whose
// text the window sets itself; `resized` those the window lays out itself.
inline void expect_laid_out_as_designed(HWND window, std::span<const ControlRow> rows, SIZE design_client, int dpi,
                                        std::initializer_list<int> filled = {},
                                        std::initializer_list<int> resized = {}) {
  const auto among = [](std::initializer_list<int> ids, int id) {
    for (int i : ids)
      if (i == id) return true;
    return false;
  };
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, scale_to_dpi(design_client.cx, dpi));
  EXPECT_EQ(client.bottom, scale_to_dpi(design_client.cy, dpi));
  const RECT design_area{0, 0, design_client.cx, design_client.cy};
  const auto control = [&](const ControlRow& row) {
    return GetDlgItem(row.inside ? GetDlgItem(window, row.inside) : window, row.id);
  };
  for (const ControlRow& row : rows) {
    SCOPED_TRACE(row.id);
    const HWND item = control(row);
    ASSERT_TRUE(item);
    if (!among(resized, row.id)) {
      const RECT at = rect_in_parent(item), want = scaled(row.at, dpi);
      EXPECT_TRUE(EqualRect(&at, &want)) << at.left << "," << at.top << "," << at.right << "," << at.bottom;
      // Only what pokes out of the design pokes out of the window.
      if (!row.inside && contains(design_area, design_rect(row.at))) {
        EXPECT_TRUE(contains(client, at));
      }
    }
    if (!among(filled, row.id)) {
      EXPECT_EQ(text_of(item), row.text);
    }
    if (row.look.face != Face::none) {
      LOGFONTW shown{}, designed{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item, WM_GETFONT, 0, 0)), sizeof shown, &shown);
      const OwnedFont made = make_font(row.look.face, dpi);
      GetObjectW(made.get(), sizeof designed, &designed);
      EXPECT_EQ(std::wstring(shown.lfFaceName), std::wstring(designed.lfFaceName));
      EXPECT_EQ(shown.lfHeight, designed.lfHeight);
      EXPECT_EQ(shown.lfWeight, designed.lfWeight);
      EXPECT_EQ(shown.lfItalic, designed.lfItalic);
      EXPECT_EQ(shown.lfUnderline, designed.lfUnderline);
    }
    // Every picture of the program is drawn 32 pixels wide at 96 dpi.
    if (row.kind == Kind::image) {
      ICONINFO info{};
      const auto icon = reinterpret_cast<HICON>(SendMessageW(item, STM_GETICON, 0, 0));
      if (icon && GetIconInfo(icon, &info)) {
        BITMAP bits{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bits, &bits);
        EXPECT_EQ(bits.bmWidth, scale_to_dpi(32, dpi));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
      }
    }
    // The window hands a control with colours of its own those colours to paint with.
    if (row.look.background && row.kind != Kind::colour_button && !row.inside) {
      const UINT message = row.kind == Kind::edit   ? WM_CTLCOLOREDIT
                           : row.kind == Kind::list ? WM_CTLCOLORLISTBOX
                                                    : WM_CTLCOLORSTATIC;
      const HDC dc = CreateCompatibleDC(nullptr);
      const auto brush = reinterpret_cast<HBRUSH>(
          SendMessageW(window, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(item)));
      LOGBRUSH painted{};
      GetObjectW(brush, sizeof painted, &painted);
      EXPECT_EQ(painted.lbColor, *row.look.background);
      EXPECT_EQ(GetTextColor(dc), row.look.text);
      DeleteDC(dc);
    }
  }
  // Overlaps: exactly those of the design, among controls on the same parent.
  for (size_t a = 0; a < rows.size(); ++a)
    for (size_t b = a + 1; b < rows.size(); ++b) {
      if (rows[a].inside != rows[b].inside || among(resized, rows[a].id) || among(resized, rows[b].id)) continue;
      EXPECT_EQ(overlap(rect_in_parent(control(rows[a])), rect_in_parent(control(rows[b]))),
                overlap(design_rect(rows[a].at), design_rect(rows[b].at)))
          << rows[a].id << " and " << rows[b].id;
    }
  // Tab order: the tab stops in the order of the rows.
  HWND expected_first = nullptr, previous = nullptr;
  for (const ControlRow& row : rows) {
    const HWND item = control(row);
    if (!(GetWindowLongW(item, GWL_STYLE) & WS_TABSTOP) || !IsWindowVisible(item)) continue;
    if (!expected_first) expected_first = item;
    if (previous) {
      EXPECT_EQ(GetNextDlgTabItem(window, previous, FALSE), item) << row.id;
    }
    previous = item;
  }
  if (previous) {
    EXPECT_EQ(GetNextDlgTabItem(window, previous, FALSE), expected_first);
  }
}

}  // namespace tamarak
