// When the main window's refresh timer ticks: every two seconds while someone may see the icon or
// the panel, not at all while the display is off or the session is locked or disconnected, where a
// tick would only wake the program (and the shell) for nobody.
#pragma once

#include <windows.h>

#include "base/handles.h"
#include "system/system_services.h"

namespace tamarak {

class RefreshSchedule {
 public:
  static constexpr UINT_PTR kTimer = 1;
  static constexpr UINT kIntervalMs = 2000;

  // Starts the ticks and asks the system to tell `window` of display and session changes.
  RefreshSchedule(SystemServices& system, HWND window);
  ~RefreshSchedule();
  RefreshSchedule(const RefreshSchedule&) = delete;
  RefreshSchedule& operator=(const RefreshSchedule&) = delete;

  // The window's WM_POWERBROADCAST and WM_WTSSESSION_CHANGE. True when the ticks start again: the
  // figures are then stale, and want a refresh at once.
  bool on_power_broadcast(WPARAM event, LPARAM lparam);
  bool on_session_change(WPARAM event);

 private:
  bool follow();
  void start();

  SystemServices& system_;
  HWND window_;
  bool display_on_ = true, locked_ = false, connected_ = true;
  bool ticking_ = false;
  const GUID& display_;  // the setting watched
  OwnedPowerNotification display_watch_;
  bool session_watched_ = false;
};

}  // namespace tamarak
