// A designed window as data: its controls and its lines, each at its place in pixels at 96 dpi,
// in the order of the design (which is also the tab order). One builder (ui/controls.h) makes any
// window's controls from its table, at any dpi.
#pragma once

#include <windows.h>

#include <optional>
#include <span>

#include "ui/fonts.h"

namespace tamarak {

struct DesignRect {
  int x, y, width, height;  // pixels at 96 dpi
};

enum class Kind {
  label,          // a STATIC text
  link,           // a STATIC text that opens something: by a click, or by Enter or Space once reached by Tab
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
  const char* tip = nullptr;  // a tool tip, which a screen reader reads as the description
  int inside = 0;             // the control this one sits in, if not the window
  bool hidden = false;
  // What a screen reader names the control by, where no text or label before it says it; a label's
  // text follows it.
  const char* name = nullptr;
};

// A colour that follows the system's colour scheme, as GetSysColor(index) gives it when drawn, or in
// the dark app mode dark_colour(index).
constexpr COLORREF system_colour(int index) { return 0x80000000u | static_cast<COLORREF>(index); }
constexpr bool is_system_colour(COLORREF colour) { return colour & 0x80000000u; }
constexpr int system_colour_index(COLORREF colour) { return static_cast<int>(colour & 0xFF); }

// The system's colours stay light in the dark app mode (GetSysColor does not follow it): the dark
// scheme of those the designs use, as Explorer's dark windows show them.
constexpr COLORREF dark_colour(int index) {
  switch (index) {
    case COLOR_BTNFACE:
    case COLOR_MENUBAR: return RGB(32, 32, 32);
    case COLOR_BTNSHADOW: return RGB(20, 20, 20);
    case COLOR_BTNHIGHLIGHT: return RGB(77, 77, 77);
    case COLOR_MENUHILIGHT: return RGB(65, 65, 65);
    case COLOR_GRAYTEXT: return RGB(128, 128, 128);
    case COLOR_HOTLIGHT: return RGB(153, 235, 255);
    default: return RGB(255, 255, 255);  // the texts
  }
}

// A line drawn on the window's backdrop, end point included.
struct LineRow {
  int id;
  int x1, y1, x2, y2;  // pixels at 96 dpi
  COLORREF colour;
};

// While high contrast is on, Windows asks every program to draw in the system's colours, with no
// pictures or fixed colours behind text. A window's scheme names the system colours of its backdrop
// and of the texts and lines straight on it.
struct SystemScheme {
  int backdrop, text;  // COLOR_* indices
};
inline constexpr SystemScheme kWindowScheme{COLOR_WINDOW, COLOR_WINDOWTEXT};
inline constexpr SystemScheme kDialogScheme{COLOR_BTNFACE, COLOR_BTNTEXT};

// A control's look in high contrast. `set_apart`: the window has coloured it apart from its design
// (the lit band legend), which shows as a selection does. Boxes with colours of their own become
// fields; links show in the link colour.
constexpr Look high_contrast_look(Kind kind, Look look, bool set_apart, SystemScheme scheme) {
  const auto in = [&look](int text, std::optional<int> background) {
    look.text = system_colour(text);
    look.background = background ? std::optional(system_colour(*background)) : std::nullopt;
    return look;
  };
  if (kind == Kind::colour_button) return in(COLOR_BTNTEXT, COLOR_BTNFACE);
  if (set_apart) return in(COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT);
  if (look.background) return in(COLOR_WINDOWTEXT, COLOR_WINDOW);
  return in(kind == Kind::link ? COLOR_HOTLIGHT : scheme.text, std::nullopt);
}

// A control's look in the dark app mode, on a backdrop in the system's colours: a text straight on it
// goes dark with it, as in high contrast, so nothing is dark on dark; a box or button with a fill of
// its own keeps that and its text.
constexpr Look dark_look(Kind kind, Look look, SystemScheme scheme) {
  if (look.background || kind == Kind::colour_button) return look;
  look.text = system_colour(kind == Kind::link ? COLOR_HOTLIGHT : scheme.text);
  return look;
}

// A line's colour in high contrast; one in a system colour by design keeps it.
constexpr COLORREF high_contrast_line(COLORREF designed, COLORREF set, SystemScheme scheme) {
  if (set != designed) return system_colour(COLOR_HIGHLIGHT);
  return is_system_colour(designed) ? designed : system_colour(scheme.text);
}

// A whole window as designed: each window's design is the namespace <window>_design, its ids in
// <window>_design.h and this record of it in <window>_design.cpp.
struct WindowDesign {
  const wchar_t* class_name;
  const char* caption;  // UTF-8
  DWORD style, ex_style;
  int client_width, client_height;  // pixels at 96 dpi
  bool menu_bar;
  std::span<const ControlRow> controls;
  std::span<const LineRow> lines;
};

}  // namespace tamarak
