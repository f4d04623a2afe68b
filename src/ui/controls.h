// The child controls of a designed window: labels, images and lines at 96-dpi positions, scaled to
// the screen. The window's backdrop and its lines live in one off-screen canvas, which the window
// paints from and which transparent labels show through, so a line running under a label's text
// stays visible.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/handles.h"

namespace tamarak {

struct DesignRect {
  int x, y, width, height;  // pixels at 96 dpi
};

struct LabelLook {
  COLORREF text = RGB(0, 0, 0);
  std::optional<COLORREF> background;  // none: the window's own background shows through
  DWORD align = SS_LEFT;
  bool border = false;
  HFONT font = nullptr;
};

struct DesignLine {
  int x1, y1, x2, y2;  // pixels at 96 dpi
  COLORREF colour;
};

class ControlSet {
 public:
  ControlSet(HWND parent, int dpi) : parent_(parent), dpi_(dpi) {}
  ~ControlSet() { drop_canvas(); }
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  int scale(int pixels_at_96) const;
  RECT scale(const DesignRect& r) const;

  HWND add_label(int id, DesignRect where, std::string_view utf8_text, const LabelLook& look);
  HWND add_image(int id, DesignRect where, HICON icon);
  HWND add_button(int id, DesignRect where, std::string_view utf8_text, HFONT font);
  int add_line(DesignLine line);

  // Both repaint only what changed, so a refresh that changes nothing costs nothing on screen.
  void set_text_colour(int id, COLORREF colour);
  void set_line_colour(int line, COLORREF colour);
  void set_line_right_end(int line, int right_in_pixels);

  COLORREF text_colour(int id) const;
  COLORREF line_colour(int line) const { return lines_[line].colour; }

  // Draws the backdrop into a canvas of the given client size.
  void set_backdrop(std::function<void(HDC, int width, int height)> draw) { draw_backdrop_ = std::move(draw); }
  LRESULT on_ctl_colour_static(HDC dc, HWND child);
  // The window's WM_PAINT: the invalid part of the canvas onto the screen.
  void paint();
  // The canvas is made when first painted, so a window that stays hidden never holds one.
  void drop_canvas();

 private:
  struct Label {
    int id;
    HWND hwnd;
    LabelLook look;
  };
  struct Line {
    DesignLine design;
    COLORREF colour;
    std::optional<int> right_px;  // set when the window stretches the line to its width
  };

  Label* find(int id);
  const Label* find(int id) const;
  HBRUSH solid_brush(COLORREF colour);
  RECT line_bounds(const Line& line) const;
  void draw_line(HDC dc, const Line& line) const;
  HDC canvas();

  HWND parent_;
  int dpi_;
  std::function<void(HDC, int, int)> draw_backdrop_;
  OwnedDC canvas_dc_;
  OwnedBitmap canvas_bitmap_;
  HGDIOBJ canvas_old_bitmap_ = nullptr;
  std::vector<Label> labels_;
  std::vector<Line> lines_;
  std::vector<std::pair<COLORREF, OwnedBrush>> brushes_;
};

}  // namespace tamarak
