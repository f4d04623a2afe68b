#include "monitor/tray_icon.h"

#include <algorithm>
#include <string>

#include "base/failure_note.h"
#include "base/text.h"
#include "monitor/memory_figures.h"

namespace tamarak {

NOTIFYICONDATAW tray_record(HWND window, HICON picture, std::uint32_t load) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = picture;
  const std::wstring tip = widen(tray_tip(load));
  std::copy_n(tip.begin(), std::min<size_t>(tip.size(), std::size(record.szTip) - 1), record.szTip);
  return record;
}

void TrayIcon::send(DWORD operation, HICON picture, std::uint32_t load) {
  const NOTIFYICONDATAW record = tray_record(window_, picture, load);
  if (operation == NIM_DELETE) {
    wanted_ = false;
    system_.notify_icon(NIM_DELETE, record);
    return;
  }
  wanted_ = true;
  if (!system_.notify_icon(operation, record) &&
      !system_.notify_icon(operation == NIM_ADD ? NIM_MODIFY : NIM_ADD, record))
    note_failure(L"the shell refused the tray icon");
}

void TrayIcon::give_focus_back() {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window_;
  record.uID = kTrayIconId;
  if (!system_.notify_icon(NIM_SETFOCUS, record)) note_failure(L"the shell did not take the focus back");
}

}  // namespace tamarak
