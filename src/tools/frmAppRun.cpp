#include "tools/frmAppRun.h"

#include "tools/process_capture.h"
#include "tools/tool_identity.h"
#include "ui/fonts.h"
#include "ui/rounded_frame.h"
#include "ui/text.h"

namespace tamarak {

using namespace app_run_controls;

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

frmAppRun::frmAppRun(SystemServices& system, ProgramLifetime& lifetime)
    : ToolWindow(system, lifetime),
      small_font_(make_gothic_font_centipoints(825, FontStyle::normal, dpi_)),
      button_font_(make_gothic_font(9, FontStyle::normal, dpi_)),
      black_(CreateSolidBrush(RGB(0, 0, 0))) {}

bool frmAppRun::create(HWND owner) {
  if (!create_tool_window(L"TamarakAppRun", kAppRunCaption, kStyle, kExStyle, 433, 488, owner)) return false;
  // Created in tab order: the button first, so it has the focus when the window opens.
  add_control(Command1, L"BUTTON", "起動プロセス一覧の取得", BS_PUSHBUTTON | WS_TABSTOP, 0, {104, 448, 213, 25},
              button_font_.get());
  list_ = add_control(List1, L"LISTBOX", "", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                      WS_EX_CLIENTEDGE, {0, 0, 433, 444}, small_font_.get());
  add_control(Label1, L"STATIC", "※搭載メモリが少ないのに起動プロセスが多いと、PCは不安定になります",
              SS_CENTER | SS_NOPREFIX, 0, {8, 476, 413, 13}, small_font_.get());
  Form_Load();
  return true;
}

void frmAppRun::Form_Resize() { apply_rounded_frame(hwnd(), dpi_); }

bool frmAppRun::append(const std::wstring& line) {
  const LRESULT index = SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  return index != LB_ERR && index != LB_ERRSPACE;
}

void frmAppRun::Command1_Click() {
  // The time is read before the snapshot, so it is never later than what the list shows.
  const UtcTime now = system_.utc_now();
  const auto names = system_.running_processes();
  if (!names) return;
  const LRESULT first_new = SendMessageW(list_, LB_GETCOUNT, 0, 0);
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  bool room = true;
  for (const std::wstring& name : *names)
    if (room) room = append(name);
  for (const std::string& line : capture_summary(now, static_cast<int>(names->size())))
    if (room) room = append(widen(line));
  // The new capture is what the user asked to see: it starts at the top of the list.
  SendMessageW(list_, LB_SETTOPINDEX, first_new, 0);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

LRESULT frmAppRun::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: Form_Resize(); return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == Command1 && HIWORD(wparam) == BN_CLICKED) Command1_Click();
      return 0;
    case WM_CTLCOLORLISTBOX:
      SetTextColor(reinterpret_cast<HDC>(wparam), RGB(255, 255, 255));
      SetBkColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(black_.get());
  }
  return ToolWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
