// The IP/OS information window: address, host name and the system's family, version and build,
// read once when the window is made.
#pragma once

#include <windows.h>

#include "tools/frmIp_design.h"
#include "tools/tool_window.h"

namespace tamarak {

class frmIp : public ToolWindow {
 public:
  frmIp(SystemServices& system, Prompts& prompts, WindowHost& host)
      : ToolWindow(system, prompts, host, frmIp_design::kDesign) {}

  bool create(HWND owner) override;
  void Form_Load();

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Form_Resize();
};

}  // namespace tamarak
