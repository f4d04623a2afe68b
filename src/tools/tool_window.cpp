#include "tools/tool_window.h"

#include "ui/dpi_scale.h"
#include "ui/text.h"

namespace tamarak {

ToolWindow::ToolWindow(SystemServices& system, ProgramLifetime& lifetime)
    : Window(lifetime), system_(system), dpi_(screen_dpi()) {}

int ToolWindow::scale(int pixels_at_96) const { return scale_to_dpi(pixels_at_96, dpi_); }

bool ToolWindow::create_tool_window(const wchar_t* class_name, std::string_view caption, DWORD style,
                                    DWORD ex_style, int client_width, int client_height, HWND owner) {
  return create_window(class_name, widen(caption).c_str(), style, ex_style, scale(client_width), scale(client_height),
                       nullptr, owner);
}

HWND ToolWindow::add_control(int id, const wchar_t* control_class, std::string_view text, DWORD style,
                             DWORD ex_style, DesignRect where, HFONT font) {
  const HWND control = CreateWindowExW(
      ex_style, control_class, widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, scale(where.x), scale(where.y),
      scale(where.x + where.width) - scale(where.x), scale(where.y + where.height) - scale(where.y), hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

LRESULT ToolWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_ACTIVATE:
      if (focus_.on_activate(hwnd(), wparam)) return 0;
      break;
  }
  return default_message(message, wparam, lparam);
}

}  // namespace tamarak
