// What the three tool windows share: made hidden at their design client size for the opener to
// show, controls from the window's table, the dialog-coloured background, and the keyboard focus
// kept across deactivation as a dialog keeps it.
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <string_view>

#include "system/system_services.h"
#include "ui/designed_window.h"
#include "ui/prompts.h"

namespace tamarak {

class ToolWindow : public DesignedWindow {
 public:
  ToolWindow(SystemServices& system, Prompts& prompts, WindowHost& host);

  // Creates the window and its controls hidden, then runs Form_Load. An owner keeps the window
  // off the taskbar.
  virtual bool create(HWND owner) = 0;

  // The table the window's controls are made from.
  std::span<const ControlRow> design() const { return table_; }

 protected:
  bool create_tool_window(const wchar_t* class_name, std::string_view caption, DWORD style, DWORD ex_style,
                          int client_width, int client_height, HWND owner, std::span<const ControlRow> controls);
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  // The controls at the new dpi (the resize handler follows the frame).
  void relayout_for_dpi() override;
  void follow_system_colours() override;
  // Escape closes the window, as its close box does.
  void on_cancel() override;

  SystemServices& system_;

 private:
  std::span<const ControlRow> table_;
};

}  // namespace tamarak
