#include "tools/tool_window.h"

namespace tamarak {

ToolWindow::ToolWindow(SystemServices& system, Prompts& prompts, WindowHost& host, const WindowDesign& design)
    : DesignedWindow(host, prompts, design), system_(system) {}

void ToolWindow::relayout_for_dpi() { controls().relayout(dpi()); }

// The boxes and the list in the system's colours while high contrast is on; the window's own in the
// dark app mode's.
void ToolWindow::follow_system_colours() { controls().follow_system_colours(system_.follow_app_mode(hwnd())); }

void ToolWindow::on_cancel() { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

LRESULT ToolWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CREATE) {
    make_controls();
    follow_system_colours();
    return 0;
  }
  return DesignedWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
