#include "tools/tool_window.h"

#include "base/text.h"

namespace tamarak {

ToolWindow::ToolWindow(SystemServices& system, Prompts& prompts, WindowHost& host)
    : DesignedWindow(host, prompts), system_(system) {}

bool ToolWindow::create_tool_window(const wchar_t* class_name, std::string_view caption, DWORD style, DWORD ex_style,
                                    int client_width, int client_height, HWND owner,
                                    std::span<const ControlRow> controls) {
  table_ = controls;
  return create_window(class_name, widen(caption).c_str(), style, ex_style, {client_width, client_height}, owner);
}

void ToolWindow::relayout_for_dpi() { controls().relayout(dpi()); }

// The boxes and the list in the system's colours while high contrast is on.
void ToolWindow::follow_system_colours() { controls().follow_system_colours(system_.high_contrast()); }

void ToolWindow::on_cancel() { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

LRESULT ToolWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CREATE) {
    make_controls(table_);
    follow_system_colours();
    return 0;
  }
  return DesignedWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
