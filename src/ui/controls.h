// The controls of a designed window, made from its table at the window's dpi. The window's backdrop
// and its lines live in one off-screen canvas, which the window paints from and which transparent
// labels show through, so a line running under a label's text stays visible.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/colour_mode.h"
#include "base/guards.h"
#include "base/handles.h"
#include "ui/design.h"
#include "ui/prompts.h"
#include "ui/tooltips.h"

namespace tamarak {

class Controls {
 public:
  // Makes every control of `rows` on `window`, in the rows' order, and keeps `lines` to draw. What
  // the rows tell a screen reader goes through `screen_reader`.
  Controls(HWND window, std::span<const ControlRow> rows, std::span<const LineRow> lines, int dpi,
           Prompts& screen_reader);
  ~Controls();
  Controls(const Controls&) = delete;
  Controls& operator=(const Controls&) = delete;

  // Kept from when it was made: asking the system (GetDlgItem) costs a round trip under Wine.
  HWND item(int id) const;
  // The id of `child` when it is one of the buttons, or 0.
  int button_id(HWND child) const;
  int dpi() const { return dpi_; }
  int scale(int pixels_at_96) const;

  // Each repaints only what changed, so a refresh that changes nothing costs nothing on screen.
  void set_text(int id, std::string_view utf8);
  void set_text(int id, std::wstring_view text);
  void set_text_colour(int id, COLORREF colour);
  void set_line_colour(int line, COLORREF colour);
  void set_line_right_end(int line, int right_in_pixels);
  void set_icon(int id, HICON icon);

  // As drawn now: in high contrast, the system's colours; in the dark app mode, the dark scheme's.
  COLORREF text_colour(int id) const;
  COLORREF line_colour(int line) const;

  // The backdrop, in a canvas of the client size: drawn by `draw` as designed (in high contrast filled
  // in the scheme's backdrop colour), or without it in the scheme's backdrop colour. Without a
  // backdrop, labels that name no colours of their own are left to the system, but in the dark app
  // mode, whose colours the system does not know.
  void set_backdrop(std::function<void(HDC, int width, int height)> draw, SystemScheme scheme);
  bool has_backdrop() const { return backdrop_; }
  // What the window's backdrop, or the window itself without one, is filled with.
  HBRUSH backdrop_brush() { return system_brush(scheme_.backdrop); }
  // High contrast or the app mode turned on or off, or the system's colours changed: everything drawn
  // again, the controls the system draws in their themes for the mode.
  void follow_system_colours(ColourMode mode);
  ColourMode colour_mode() const { return mode_; }

  // Every control and line again at `dpi`, in faces made for it: the window has moved to a monitor
  // of another scale.
  void relayout(int dpi);

  // WM_CTLCOLOR*: the brush for a control that has colours of its own or shows the backdrop, or
  // nothing for the system to decide.
  std::optional<LRESULT> colour(HDC dc, HWND child);
  // WM_DRAWITEM for the colour buttons.
  void draw_item(const DRAWITEMSTRUCT& item) const;
  // WM_PAINT: the invalid part of the canvas onto the screen.
  void paint();
  // The canvas is made when first painted, so a window that stays hidden never holds one.
  void drop_canvas();
  // While the controls still exist: the window is being destroyed.
  void clear_annotations();

 private:
  struct Control {
    const ControlRow* row;
    HWND hwnd;
    Look look;
    std::wstring shown;      // the text as last set
    std::string shown_utf8;  // and as the program gave it, so an unchanged one costs no conversion
  };
  struct Line {
    LineRow row;
    COLORREF colour;
    std::optional<int> right_px;  // set when the window stretches the line to its width
  };

  Look drawn(const Control& control) const;
  void annotate(const Control& control);
  COLORREF drawn(const Line& line) const;
  Control* find(int id);
  const Control* find(int id) const;
  Line* find_line(int id);
  const Line* find_line(int id) const;
  HFONT font(Face face);
  HBRUSH solid_brush(COLORREF colour);
  HBRUSH system_brush(int index);
  COLORREF actual(COLORREF colour) const;
  void theme_controls(bool dark);
  RECT scale(const DesignRect& r) const;
  RECT line_bounds(const Line& line) const;
  void draw_line(HDC dc, const Line& line) const;
  HDC canvas();

  HWND window_;
  Prompts& screen_reader_;
  int dpi_;
  std::vector<Control> controls_;
  std::vector<Line> lines_;
  std::map<Face, OwnedFont> fonts_;
  std::vector<std::pair<COLORREF, OwnedBrush>> brushes_;
  std::unique_ptr<Tooltips> tips_;
  std::function<void(HDC, int, int)> draw_backdrop_;
  SystemScheme scheme_ = kDialogScheme;
  bool backdrop_ = false;
  ColourMode mode_ = ColourMode::light;
  // Destroyed in reverse: the bitmap is taken out of the DC before either goes.
  OwnedDC canvas_dc_;
  OwnedBitmap canvas_bitmap_;
  std::optional<Selected> canvas_selection_, canvas_pen_;
};

}  // namespace tamarak
