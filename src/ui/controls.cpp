#include "ui/controls.h"

#include <uxtheme.h>

#include <algorithm>
#include <utility>

#include "base/dpi_scale.h"
#include "base/failure_note.h"
#include "base/text.h"
#include "ui/colour_button.h"
#include "ui/link_label.h"

namespace tamarak {

namespace {

struct ClassAndStyle {
  const wchar_t* window_class;
  DWORD style;
};

ClassAndStyle class_and_style(Kind kind) {
  switch (kind) {
    case Kind::label: return {L"STATIC", SS_NOPREFIX};
    case Kind::link: return {L"STATIC", SS_NOPREFIX | SS_NOTIFY | WS_TABSTOP};
    case Kind::image: return {L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL};
    case Kind::picture: return {L"STATIC", 0};
    case Kind::button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case Kind::colour_button: return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
    case Kind::group: return {L"BUTTON", BS_GROUPBOX};
    case Kind::edit: return {L"EDIT", 0};
    case Kind::list: return {L"LISTBOX", 0};
  }
  return {L"STATIC", 0};
}

bool annotated(const ControlRow& row) { return row.name || row.tip || row.kind == Kind::link; }

}  // namespace

Controls::Controls(HWND window, std::span<const ControlRow> rows, std::span<const LineRow> lines, int dpi,
                   Prompts& screen_reader)
    : window_(window), screen_reader_(screen_reader), dpi_(dpi) {
  controls_.reserve(rows.size());
  for (const ControlRow& row : rows) {
    const auto [window_class, style] = class_and_style(row.kind);
    const RECT r = scale(row.at);
    const HWND control = NOTE_IF_NULL(
        CreateWindowExW(row.look.ex_style, window_class, widen(row.text).c_str(),
                        WS_CHILD | (row.hidden ? 0 : WS_VISIBLE) | style | row.look.style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, row.inside ? item(row.inside) : window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetModuleHandleW(nullptr), nullptr));
    if (row.kind == Kind::link) make_link(control);
    if (row.look.face != Face::none)
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font(row.look.face)), FALSE);
    controls_.push_back({&row, control, row.look, widen(row.text), row.text});
    annotate(controls_.back());
    if (row.tip) {
      if (!tips_) tips_ = std::make_unique<Tooltips>(window);
      tips_->add(control, row.tip);
    }
  }
  for (const LineRow& line : lines) lines_.push_back({line, line.colour, std::nullopt});
}

Controls::~Controls() { drop_canvas(); }

void Controls::annotate(const Control& control) {
  const ControlRow& row = *control.row;
  if (!annotated(row)) return;
  Annotation annotation{row.name ? widen(row.name) : std::wstring(), row.tip ? widen(row.tip) : std::wstring(),
                        row.kind == Kind::link};
  if (row.name && row.kind == Kind::label && !control.shown.empty()) annotation.name += L" " + control.shown;
  screen_reader_.annotate(control.hwnd, annotation);
}

void Controls::clear_annotations() {
  for (const Control& control : controls_)
    if (annotated(*control.row)) screen_reader_.clear_annotation(control.hwnd);
}

int Controls::scale(int pixels_at_96) const { return scale_to_dpi(pixels_at_96, dpi_); }

RECT Controls::scale(const DesignRect& r) const {
  return {scale(r.x), scale(r.y), scale(r.x + r.width), scale(r.y + r.height)};
}

HWND Controls::item(int id) const {
  const Control* control = find(id);
  return control ? control->hwnd : nullptr;
}

int Controls::button_id(HWND child) const {
  for (const Control& control : controls_)
    if (control.hwnd == child && (control.row->kind == Kind::button || control.row->kind == Kind::colour_button))
      return control.row->id;
  return 0;
}

Controls::Control* Controls::find(int id) {
  auto it = std::find_if(controls_.begin(), controls_.end(), [id](const Control& c) { return c.row->id == id; });
  return it == controls_.end() ? nullptr : &*it;
}

const Controls::Control* Controls::find(int id) const { return const_cast<Controls*>(this)->find(id); }

Controls::Line* Controls::find_line(int id) {
  auto it = std::find_if(lines_.begin(), lines_.end(), [id](const Line& l) { return l.row.id == id; });
  return it == lines_.end() ? nullptr : &*it;
}

const Controls::Line* Controls::find_line(int id) const { return const_cast<Controls*>(this)->find_line(id); }

HFONT Controls::font(Face face) {
  OwnedFont& made = fonts_[face];
  if (!made) made = make_font(face, dpi_);
  return made.get();
}

void Controls::set_text(int id, std::string_view utf8) {
  Control* control = find(id);
  if (!control || control->shown_utf8 == utf8) return;
  control->shown_utf8 = utf8;
  set_text(id, std::wstring_view(widen(utf8)));
}

void Controls::set_text(int id, std::wstring_view text) {
  Control* control = find(id);
  if (!control || control->shown == text) return;
  control->shown = text;
  SetWindowTextW(control->hwnd, control->shown.c_str());
  // A figure is read with what it is a figure of.
  if (control->row->name) annotate(*control);
}

void Controls::set_text_colour(int id, COLORREF colour) {
  Control* control = find(id);
  if (!control || control->look.text == colour) return;
  control->look.text = colour;
  InvalidateRect(control->hwnd, nullptr, TRUE);
}

// The colour to draw with: a system colour looked up, in the dark app mode in its dark scheme.
COLORREF Controls::actual(COLORREF colour) const {
  if (!is_system_colour(colour)) return colour;
  const int index = system_colour_index(colour);
  return mode_ == ColourMode::dark ? dark_colour(index) : GetSysColor(index);
}

// Colours as they are drawn. A backdrop of the window's own drawing keeps what stands on it in the dark
// app mode; one in the system's colours takes it along.
Look Controls::drawn(const Control& control) const {
  Look look = control.look;
  if (mode_ == ColourMode::high_contrast)
    look = high_contrast_look(control.row->kind, look, control.look.text != control.row->look.text, scheme_);
  else if (mode_ == ColourMode::dark && !draw_backdrop_)
    look = dark_look(control.row->kind, look, scheme_);
  look.text = actual(look.text);
  if (look.background) look.background = actual(*look.background);
  return look;
}

COLORREF Controls::drawn(const Line& line) const {
  return actual(mode_ == ColourMode::high_contrast ? high_contrast_line(line.row.colour, line.colour, scheme_)
                                                   : line.colour);
}

COLORREF Controls::text_colour(int id) const {
  const Control* control = find(id);
  return control ? drawn(*control).text : CLR_INVALID;
}

void Controls::set_icon(int id, HICON icon) {
  if (const Control* control = find(id)) SendMessageW(control->hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

COLORREF Controls::line_colour(int line) const {
  const Line* l = find_line(line);
  return l ? drawn(*l) : CLR_INVALID;
}

RECT Controls::line_bounds(const Line& line) const {
  const LineRow& d = line.row;
  const int x2 = line.right_px ? *line.right_px : scale(d.x2);
  // One pixel of slack around the pen, which may round either way.
  return {std::min(scale(d.x1), x2) - 1, std::min(scale(d.y1), scale(d.y2)) - 1, std::max(scale(d.x1), x2) + 2,
          std::max(scale(d.y1), scale(d.y2)) + 2};
}

void Controls::set_line_colour(int line, COLORREF colour) {
  Line* l = find_line(line);
  if (!l || l->colour == colour) return;
  l->colour = colour;
  if (!canvas_dc_) return;
  draw_line(canvas_dc_.get(), *l);
  const RECT bounds = line_bounds(*l);
  RedrawWindow(window_, &bounds, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Controls::set_line_right_end(int line, int right_in_pixels) {
  Line* l = find_line(line);
  if (!l || l->right_px == right_in_pixels) return;
  l->right_px = right_in_pixels;
  drop_canvas();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Controls::relayout(int dpi) {
  dpi_ = dpi;
  // The old faces go only once no control uses them.
  std::map<Face, OwnedFont> old_fonts = std::exchange(fonts_, {});
  for (const Control& control : controls_) {
    const RECT r = scale(control.row->at);
    NOTE_IF_FALSE(SetWindowPos(control.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               SWP_NOZORDER | SWP_NOACTIVATE));
    if (control.row->look.face != Face::none)
      SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font(control.row->look.face)), TRUE);
  }
  for (Line& line : lines_) line.right_px.reset();
  drop_canvas();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Controls::set_backdrop(std::function<void(HDC, int, int)> draw, SystemScheme scheme) {
  draw_backdrop_ = std::move(draw);
  scheme_ = scheme;
  backdrop_ = true;
}

void Controls::follow_system_colours(ColourMode mode) {
  const bool dark = mode == ColourMode::dark;
  if (dark != (mode_ == ColourMode::dark)) theme_controls(dark);
  mode_ = mode;
  brushes_.clear();
  // The system tells only top-level windows; common controls keep the colours they had until told.
  for (const Control& control : controls_) SendMessageW(control.hwnd, WM_SYSCOLORCHANGE, 0, 0);
  drop_canvas();
  // Erased too, as a window without a backdrop of its own is filled then; and the frame, which holds
  // the menu bar.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The system's dark themes for what it draws itself: push buttons, scroll bars, tool tips. A themed group
// box draws its caption black whatever the mode, so it goes unthemed (a name no theme has), in the
// colours the window hands it.
void Controls::theme_controls(bool dark) {
  for (const Control& control : controls_) {
    const Kind kind = control.row->kind;
    if (kind == Kind::group)
      SetWindowTheme(control.hwnd, dark ? L" " : nullptr, dark ? L" " : nullptr);
    else if (kind == Kind::button || kind == Kind::edit || kind == Kind::list)
      SetWindowTheme(control.hwnd, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
  }
  if (tips_) tips_->follow_app_mode(dark);
}

HBRUSH Controls::system_brush(int index) {
  return mode_ == ColourMode::dark ? solid_brush(dark_colour(index)) : GetSysColorBrush(index);
}

HBRUSH Controls::solid_brush(COLORREF colour) {
  for (auto& [c, brush] : brushes_)
    if (c == colour) return brush.get();
  brushes_.emplace_back(colour, OwnedBrush(NOTE_IF_NULL(CreateSolidBrush(colour))));
  return brushes_.back().second.get();
}

std::optional<LRESULT> Controls::colour(HDC dc, HWND child) {
  auto it = std::find_if(controls_.begin(), controls_.end(), [child](const Control& c) { return c.hwnd == child; });
  if (it == controls_.end()) return std::nullopt;
  const Look look = drawn(*it);
  if (look.background) {
    SetTextColor(dc, look.text);
    SetBkColor(dc, *look.background);
    return reinterpret_cast<LRESULT>(solid_brush(*look.background));
  }
  if (!backdrop_) {
    if (mode_ != ColourMode::dark) return std::nullopt;
    SetTextColor(dc, look.text);
    SetBkColor(dc, dark_colour(scheme_.backdrop));
    return reinterpret_cast<LRESULT>(backdrop_brush());
  }
  // The control fills with the returned brush before drawing: a hollow one keeps the canvas copy.
  SetTextColor(dc, look.text);
  RECT r;
  GetClientRect(child, &r);
  MapWindowPoints(child, window_, reinterpret_cast<POINT*>(&r), 2);
  BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, canvas(), r.left, r.top, SRCCOPY);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void Controls::draw_item(const DRAWITEMSTRUCT& item) const {
  const Control* control = find(static_cast<int>(item.CtlID));
  if (!control) return;
  // A control with a background keeps one as drawn, high contrast or not.
  if (const std::optional<COLORREF> background = drawn(*control).background) draw_colour_button(item, *background);
}

void Controls::paint() {
  const Painting painting(window_);
  const RECT& area = painting.area();
  BitBlt(painting.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, canvas(), area.left,
         area.top, SRCCOPY);
}

void Controls::draw_line(HDC dc, const Line& l) const {
  const LineRow& d = l.row;
  const COLORREF colour = drawn(l);
  SetDCPenColor(dc, colour);
  MoveToEx(dc, scale(d.x1), scale(d.y1), nullptr);
  const int x2 = l.right_px ? *l.right_px : scale(d.x2), y2 = scale(d.y2);
  LineTo(dc, x2, y2);
  SetPixelV(dc, x2, y2, colour);  // the end point belongs to the line too
}

HDC Controls::canvas() {
  if (canvas_dc_) return canvas_dc_.get();
  RECT client;
  GetClientRect(window_, &client);
  {
    const WindowDC screen(window_);
    canvas_dc_.reset(NOTE_IF_NULL(CreateCompatibleDC(screen.get())));
    canvas_bitmap_.reset(NOTE_IF_NULL(
        CreateCompatibleBitmap(screen.get(), std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1))));
  }
  const HDC dc = canvas_dc_.get();
  canvas_selection_.emplace(dc, canvas_bitmap_.get());
  if (draw_backdrop_ && mode_ != ColourMode::high_contrast)
    draw_backdrop_(dc, client.right, client.bottom);
  else if (backdrop_)
    FillRect(dc, &client, backdrop_brush());
  canvas_pen_.emplace(dc, GetStockObject(DC_PEN));
  for (const Line& l : lines_) draw_line(dc, l);
  return dc;
}

void Controls::drop_canvas() {
  canvas_pen_.reset();
  canvas_selection_.reset();
  canvas_bitmap_.reset();
  canvas_dc_.reset();
}

}  // namespace tamarak
