#include "tools/tool_window.h"

#include "base/text.h"

namespace tamarak {

ToolWindow::ToolWindow(SystemServices& system, Prompts& prompts, WindowHost& host)
    : Window(host), system_(system), prompts_(prompts) {}

bool ToolWindow::create_tool_window(const wchar_t* class_name, std::string_view caption, DWORD style, DWORD ex_style,
                                    int client_width, int client_height, HWND owner,
                                    std::span<const ControlRow> controls) {
  table_ = controls;
  return create_window(class_name, widen(caption).c_str(), style, ex_style, {client_width, client_height}, owner);
}

void ToolWindow::relayout_for_dpi() { controls_->relayout(dpi()); }

// In the dialog colour, whatever the class says.
void ToolWindow::erase_background(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT ToolWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: controls_ = std::make_unique<Controls>(hwnd(), table_, std::span<const LineRow>{}, dpi()); return 0;
    case WM_ERASEBKGND: erase_background(dc_param(wparam)); return 1;
    case WM_ACTIVATE:
      if (focus_.on_activate(hwnd(), wparam)) return 0;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (const auto brush = controls_->colour(dc_param(wparam), window_param(lparam))) return *brush;
      break;
    case WM_NCDESTROY: controls_.reset(); break;
  }
  return default_message(message, wparam, lparam);
}

}  // namespace tamarak
