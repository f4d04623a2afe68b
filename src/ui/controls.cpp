#include "ui/controls.h"

#include <algorithm>

#include "ui/dpi_scale.h"
#include "ui/text.h"

namespace tamarak {

int ControlSet::scale(int pixels_at_96) const { return scale_to_dpi(pixels_at_96, dpi_); }

RECT ControlSet::scale(const DesignRect& r) const {
  return {scale(r.x), scale(r.y), scale(r.x + r.width), scale(r.y + r.height)};
}

namespace {

HWND create_child(HWND parent, const wchar_t* cls, std::string_view utf8_text, DWORD style, int id, RECT r) {
  return CreateWindowExW(0, cls, widen(utf8_text).c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

HWND ControlSet::add_label(int id, DesignRect where, std::string_view utf8_text, const LabelLook& look) {
  const DWORD style = look.align | SS_NOPREFIX | (look.border ? WS_BORDER : 0);
  HWND label = create_child(parent_, L"STATIC", utf8_text, style, id, scale(where));
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(look.font), FALSE);
  labels_.push_back({id, label, look});
  if (look.background) solid_brush(*look.background);
  return label;
}

HWND ControlSet::add_image(int id, DesignRect where, HICON icon) {
  HWND image = create_child(parent_, L"STATIC", "", SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, id,
                            scale(where));
  SendMessageW(image, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  labels_.push_back({id, image, {}});
  return image;
}

HWND ControlSet::add_button(int id, DesignRect where, std::string_view utf8_text, HFONT font) {
  HWND button = create_child(parent_, L"BUTTON", utf8_text, BS_OWNERDRAW | WS_TABSTOP, id, scale(where));
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return button;
}

int ControlSet::add_line(DesignLine line) {
  lines_.push_back({line, line.colour, std::nullopt});
  return static_cast<int>(lines_.size()) - 1;
}

ControlSet::Label* ControlSet::find(int id) {
  auto it = std::find_if(labels_.begin(), labels_.end(), [id](const Label& l) { return l.id == id; });
  return it == labels_.end() ? nullptr : &*it;
}

const ControlSet::Label* ControlSet::find(int id) const { return const_cast<ControlSet*>(this)->find(id); }

void ControlSet::set_text_colour(int id, COLORREF colour) {
  Label* label = find(id);
  if (!label || label->look.text == colour) return;
  label->look.text = colour;
  InvalidateRect(label->hwnd, nullptr, TRUE);
}

COLORREF ControlSet::text_colour(int id) const {
  const Label* label = find(id);
  return label ? label->look.text : CLR_INVALID;
}

RECT ControlSet::line_bounds(const Line& line) const {
  const DesignLine& d = line.design;
  const int x2 = line.right_px ? *line.right_px : scale(d.x2);
  // One pixel of slack around the pen, which may round either way.
  return {std::min(scale(d.x1), x2) - 1, std::min(scale(d.y1), scale(d.y2)) - 1, std::max(scale(d.x1), x2) + 2,
          std::max(scale(d.y1), scale(d.y2)) + 2};
}

void ControlSet::set_line_colour(int line, COLORREF colour) {
  Line& l = lines_[line];
  if (l.colour == colour) return;
  l.colour = colour;
  if (!canvas_dc_) return;
  draw_line(canvas_dc_.get(), l);
  const RECT bounds = line_bounds(l);
  RedrawWindow(parent_, &bounds, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ControlSet::set_line_right_end(int line, int right_in_pixels) {
  Line& l = lines_[line];
  if (l.right_px == right_in_pixels) return;
  l.right_px = right_in_pixels;
  drop_canvas();
  RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HBRUSH ControlSet::solid_brush(COLORREF colour) {
  for (auto& [c, brush] : brushes_)
    if (c == colour) return brush.get();
  brushes_.emplace_back(colour, OwnedBrush(CreateSolidBrush(colour)));
  return brushes_.back().second.get();
}

LRESULT ControlSet::on_ctl_colour_static(HDC dc, HWND child) {
  auto it = std::find_if(labels_.begin(), labels_.end(), [child](const Label& l) { return l.hwnd == child; });
  const LabelLook look = it == labels_.end() ? LabelLook{} : it->look;
  SetTextColor(dc, look.text);
  if (look.background) {
    SetBkColor(dc, *look.background);
    return reinterpret_cast<LRESULT>(solid_brush(*look.background));
  }
  // The control fills with the returned brush before drawing: a hollow one keeps the canvas copy.
  RECT r;
  GetClientRect(child, &r);
  MapWindowPoints(child, parent_, reinterpret_cast<POINT*>(&r), 2);
  BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, canvas(), r.left, r.top, SRCCOPY);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void ControlSet::paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(parent_, &ps);
  const RECT& area = ps.rcPaint;
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas(), area.left, area.top,
         SRCCOPY);
  EndPaint(parent_, &ps);
}

void ControlSet::draw_line(HDC dc, const Line& l) const {
  const DesignLine& d = l.design;
  SetDCPenColor(dc, l.colour);
  MoveToEx(dc, scale(d.x1), scale(d.y1), nullptr);
  const int x2 = l.right_px ? *l.right_px : scale(d.x2), y2 = scale(d.y2);
  LineTo(dc, x2, y2);
  SetPixelV(dc, x2, y2, l.colour);  // the end point belongs to the line too
}

HDC ControlSet::canvas() {
  if (canvas_dc_) return canvas_dc_.get();
  RECT client;
  GetClientRect(parent_, &client);
  const HDC screen = GetDC(parent_);
  canvas_dc_.reset(CreateCompatibleDC(screen));
  canvas_bitmap_.reset(CreateCompatibleBitmap(screen, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
  ReleaseDC(parent_, screen);
  const HDC dc = canvas_dc_.get();
  canvas_old_bitmap_ = SelectObject(dc, canvas_bitmap_.get());
  if (draw_backdrop_) draw_backdrop_(dc, client.right, client.bottom);
  SelectObject(dc, GetStockObject(DC_PEN));
  for (const Line& l : lines_) draw_line(dc, l);
  return dc;
}

void ControlSet::drop_canvas() {
  if (!canvas_dc_) return;
  SelectObject(canvas_dc_.get(), canvas_old_bitmap_);
  canvas_dc_.reset();
  canvas_bitmap_.reset();
}

}  // namespace tamarak
