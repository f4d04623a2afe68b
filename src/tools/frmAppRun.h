// The process list: a button that appends a capture of the running processes to a list, which
// only ever grows while the window is open.
#pragma once

#include <windows.h>

#include <string>

#include "tools/frmAppRun_design.h"
#include "tools/tool_window.h"

namespace tamarak {

class frmAppRun : public ToolWindow {
 public:
  frmAppRun(SystemServices& system, Prompts& prompts, WindowHost& host)
      : ToolWindow(system, prompts, host, frmAppRun_design::kDesign) {}

  bool create(HWND owner) override;
  void Form_Load() {}
  void Command1_Click();

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void on_command(int id, int notification) override;
  void Form_Resize();
  // False when the list can take no more lines.
  bool append(HWND list, const std::wstring& line);
};

}  // namespace tamarak
