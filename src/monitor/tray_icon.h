// The program's notification-area icon: id 100, callback message 1124, meter picture and tip.
#pragma once

#include <windows.h>

#include <cstdint>

#include "system/system_services.h"

namespace tamarak {

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayCallbackMessage = WM_USER + 100;

NOTIFYICONDATAW tray_record(HWND window, HICON picture, std::uint32_t load);

// Hands the record to the shell. The shell refuses an add of an icon it holds and a modify of one it
// does not, and a busy shell refuses both for a while; so a refused add is tried as a modify and a
// refused modify as an add. Whatever the shell holds, the first refresh at which it answers again
// shows the current picture and tip: after a restart of Explorer that lost the icon, a
// TaskbarCreated that arrives while the icon is still there, or a timeout while the system pages.
class TrayIcon {
 public:
  TrayIcon(SystemServices& system, HWND window) : system_(system), window_(window) {}

  void send(DWORD operation, HICON picture, std::uint32_t load);
  // The keyboard focus back to the notification area, when the icon's popup was dismissed.
  void give_focus_back();
  // After NIM_ADD and before NIM_DELETE: the icon belongs in the tray.
  bool wanted() const { return wanted_; }

 private:
  SystemServices& system_;
  HWND window_;
  bool wanted_ = false;
};

}  // namespace tamarak
