// The program's notification-area icon: id 100, callback message 1124, meter picture and tip.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/system_services.h"

namespace tamarak {

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayCallbackMessage = WM_USER + 100;

NOTIFYICONDATAW tray_record(HWND window, HICON picture, std::uint32_t load);

// Sends the record and remembers whether the icon is really in the tray, so that an icon the shell
// lost (no taskbar yet at log-on, Explorer restarted) is added again instead of modified in vain.
class TrayIcon {
 public:
  TrayIcon(SystemServices& system, HWND window) : system_(system), window_(window) {}

  void send(DWORD operation, HICON picture, std::uint32_t load);
  // The operation a timer tick should send.
  DWORD tick_operation() const { return state_ == State::lost ? NIM_ADD : NIM_MODIFY; }
  // After NIM_ADD and before NIM_DELETE: the icon belongs in the tray.
  bool wanted() const { return state_ != State::absent; }

 private:
  enum class State { absent, shown, lost };

  SystemServices& system_;
  HWND window_;
  State state_ = State::absent;
};

}  // namespace tamarak
