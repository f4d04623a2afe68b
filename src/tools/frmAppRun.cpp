#include "tools/frmAppRun.h"

#include "base/guards.h"
#include "base/text.h"
#include "tools/process_capture.h"
#include "ui/rounded_frame.h"

namespace tamarak {

using namespace frmAppRun_design;

bool frmAppRun::create(HWND owner) {
  if (!create_designed(owner)) return false;
  Form_Load();
  return true;
}

void frmAppRun::Form_Resize() { apply_rounded_frame(hwnd(), dpi()); }

bool frmAppRun::append(HWND list, const std::wstring& line) {
  const LRESULT index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  return index != LB_ERR && index != LB_ERRSPACE;
}

void frmAppRun::Command1_Click() {
  // The time is read before the snapshot, so it is never later than what the list shows.
  const UtcTime now = system_.utc_now();
  const auto names = system_.running_processes();
  if (!names) return;
  const HWND list = controls().item(List1);
  const LRESULT first_new = SendMessageW(list, LB_GETCOUNT, 0, 0);
  const RedrawPaused quiet(list);
  bool room = true;
  for (const std::wstring& name : *names)
    if (room) room = append(list, name);
  for (const std::string& line : capture_summary(now, static_cast<int>(names->size())))
    if (room) room = append(list, widen(line));
  // The new capture is what the user asked to see: it starts at the top of the list.
  SendMessageW(list, LB_SETTOPINDEX, first_new, 0);
}

void frmAppRun::on_command(int id, int notification) {
  if (id == Command1 && notification == BN_CLICKED) Command1_Click();
}

LRESULT frmAppRun::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: Form_Resize(); return 0;
  }
  return ToolWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
