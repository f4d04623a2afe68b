#include "monitor/refresh_schedule.h"

#include <wtsapi32.h>

#include "base/display_state.h"
#include "base/failure_note.h"
#include "base/system_function.h"

namespace tamarak {

namespace {

using CoalescableTimer = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);

}  // namespace

// A copy started inside a Remote Desktop session while the console's monitor is off learns at once
// that its own display is on.
RefreshSchedule::RefreshSchedule(SystemServices& system, HWND window)
    : system_(system), window_(window), display_(display_setting(system.windows_8_or_later())) {
  start();
  display_watch_ = system_.watch_power_setting(window_, display_);
  session_watched_ = system_.watch_session(window_);
}

RefreshSchedule::~RefreshSchedule() {
  KillTimer(window_, kTimer);
  if (session_watched_) system_.unwatch_session(window_);
}

// Windows 8 and later may let the tick slip by the system's default tolerance, to wake the
// processor together with other timers.
void RefreshSchedule::start() {
  const auto coalescable = system_function<CoalescableTimer>(L"user32.dll", "SetCoalescableTimer");
  ticking_ = coalescable ? NOTE_IF_FALSE(coalescable(window_, kTimer, kIntervalMs, nullptr, TIMERV_DEFAULT_COALESCING))
                         : NOTE_IF_FALSE(SetTimer(window_, kTimer, kIntervalMs, nullptr));
}

bool RefreshSchedule::follow() {
  const bool wanted = display_on_ && !locked_ && connected_;
  if (wanted == ticking_) return false;
  if (!wanted) {
    KillTimer(window_, kTimer);
    ticking_ = false;
    return false;
  }
  start();
  return true;
}

bool RefreshSchedule::on_power_broadcast(WPARAM event, LPARAM lparam) {
  const std::optional<bool> on = display_on(event, lparam, display_);
  if (!on) return false;
  display_on_ = *on;
  return follow();
}

bool RefreshSchedule::on_session_change(WPARAM event) {
  switch (event) {
    case WTS_SESSION_LOCK: locked_ = true; break;
    case WTS_SESSION_UNLOCK: locked_ = false; break;
    case WTS_CONSOLE_DISCONNECT:
    case WTS_REMOTE_DISCONNECT: connected_ = false; break;
    case WTS_CONSOLE_CONNECT:
    case WTS_REMOTE_CONNECT: connected_ = true; break;
    default: return false;
  }
  return follow();
}

}  // namespace tamarak
