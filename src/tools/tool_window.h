// What the three tool windows share: made hidden at their design client size for the opener to
// show, controls at 96-dpi design rectangles, the dialog-coloured background, and the keyboard
// focus kept across deactivation as a dialog keeps it.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/system_services.h"
#include "ui/controls.h"
#include "ui/remembered_focus.h"
#include "ui/window.h"

namespace tamarak {

class ToolWindow : public Window {
 public:
  ToolWindow(SystemServices& system, ProgramLifetime& lifetime);

  // Creates the window and its controls hidden, then runs Form_Load. An owner keeps the window
  // off the taskbar.
  virtual bool create(HWND owner) = 0;

 protected:
  bool create_tool_window(const wchar_t* class_name, std::string_view caption, DWORD style, DWORD ex_style,
                          int client_width, int client_height, HWND owner);
  HWND add_control(int id, const wchar_t* control_class, std::string_view text, DWORD style, DWORD ex_style,
                   DesignRect where, HFONT font);
  int scale(int pixels_at_96) const;
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  SystemServices& system_;
  const int dpi_;

 private:
  RememberedFocus focus_;
};

}  // namespace tamarak
