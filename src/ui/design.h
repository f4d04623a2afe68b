// A designed window as data: its controls and its lines, each at its place in pixels at 96 dpi,
// in the order of the design (which is also the tab order). One builder (ui/controls.h) makes any
// window's controls from its table, at any dpi.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/fonts.h"

namespace tamarak {

struct DesignRect {
  int x, y, width, height;  // pixels at 96 dpi
};

enum class Kind {
  label,          // a STATIC text
  image,          // a STATIC icon, at its own size, centred
  picture,        // a STATIC that holds other controls or a bitmap
  button,         // a push button
  colour_button,  // a push button drawn in its look's background colour
  group,          // a group box's edge and caption
  edit,
  list,
};

struct Look {
  Face face = Face::gothic_9;
  COLORREF text = RGB(0, 0, 0);
  std::optional<COLORREF> background;  // none: the window's backdrop shows through
  DWORD style = 0;                     // what the kind does not say: alignment, border, scroll bars, tab stop
  DWORD ex_style = 0;
};

struct ControlRow {
  Kind kind;
  int id;
  const char* text;  // UTF-8
  DesignRect at;
  Look look;
  const char* tip = nullptr;  // a tool tip
  int inside = 0;             // the control this one sits in, if not the window
  bool hidden = false;
};

// A colour that follows the system's colour scheme, as GetSysColor(index) gives it when drawn.
constexpr COLORREF system_colour(int index) { return 0x80000000u | static_cast<COLORREF>(index); }
// The colour to draw with.
inline COLORREF actual_colour(COLORREF colour) {
  return colour & 0x80000000u ? GetSysColor(static_cast<int>(colour & 0xFF)) : colour;
}

// A line drawn on the window's backdrop, end point included.
struct LineRow {
  int id;
  int x1, y1, x2, y2;  // pixels at 96 dpi
  COLORREF colour;
};

}  // namespace tamarak
