#include "tools/tool_window.h"

#include "base/dpi_scale.h"
#include "base/screen_dpi.h"
#include "base/text.h"

namespace tamarak {

ToolWindow::ToolWindow(SystemServices& system, Prompts& prompts, WindowHost& host)
    : Window(host), system_(system), prompts_(prompts), dpi_(screen_dpi()) {}

bool ToolWindow::create_tool_window(const wchar_t* class_name, std::string_view caption, DWORD style, DWORD ex_style,
                                    int client_width, int client_height, HWND owner,
                                    std::span<const ControlRow> controls) {
  table_ = controls;
  return create_window(class_name, widen(caption).c_str(), style, ex_style, scale_to_dpi(client_width, dpi_),
                       scale_to_dpi(client_height, dpi_), owner);
}

void ToolWindow::on_dpi_changed(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  controls_->relayout(dpi);
  move_to(suggested);
}

// In the dialog colour, whatever the class says.
void ToolWindow::erase_background(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT ToolWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: controls_ = std::make_unique<Controls>(hwnd(), table_, std::span<const LineRow>{}, dpi_); return 0;
    case WM_ERASEBKGND: erase_background(dc_param(wparam)); return 1;
    case WM_ACTIVATE:
      if (focus_.on_activate(hwnd(), wparam)) return 0;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (const auto brush = controls_->colour(dc_param(wparam), window_param(lparam))) return *brush;
      break;
    case WM_DPICHANGED: on_dpi_changed(HIWORD(wparam), struct_param<RECT>(lparam)); return 0;
    case WM_NCDESTROY: controls_.reset(); break;
  }
  return default_message(message, wparam, lparam);
}

}  // namespace tamarak
