#include "monitor/tray_icon.h"

#include <algorithm>
#include <string>

#include "monitor/memory_figures.h"
#include "ui/text.h"

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
  const bool ok = system_.notify_icon(operation, tray_record(window_, picture, load));
  switch (operation) {
    case NIM_ADD: state_ = ok ? State::shown : State::lost; break;
    case NIM_MODIFY:
      if (!ok && state_ == State::shown) state_ = State::lost;
      break;
    case NIM_DELETE: state_ = State::absent; break;
  }
}

}  // namespace tamarak
