// What the three tool windows share: made hidden at their design client size for the opener to
// show, controls from the window's table, the dialog-coloured background, and the keyboard focus
// kept across deactivation as a dialog keeps it.
#pragma once

#include <windows.h>

#include "system/system_services.h"
#include "ui/designed_window.h"
#include "ui/prompts.h"

namespace tamarak {

class ToolWindow : public DesignedWindow {
 public:
  ToolWindow(SystemServices& system, Prompts& prompts, WindowHost& host, const WindowDesign& design);

  // Creates the window and its controls hidden, then runs Form_Load. An owner keeps the window
  // off the taskbar.
  virtual bool create(HWND owner) = 0;

 protected:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  // The controls at the new dpi (the resize handler follows the frame).
  void relayout_for_dpi() override;
  void follow_system_colours() override;
  // Escape closes the window, as its close box does.
  void on_cancel() override;

  SystemServices& system_;
};

}  // namespace tamarak
