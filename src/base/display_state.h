// Whether the display shows anything, as a window registered for a display power setting is told it
// in WM_POWERBROADCAST (PBT_POWERSETTINGCHANGE): at once on registration, then at every change.
#pragma once

#include <windows.h>

#include <cstring>
#include <optional>

namespace tamarak {

// GUID_CONSOLE_DISPLAY_STATE: the monitor of the physical console.
inline constexpr GUID kConsoleDisplayState{
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
// GUID_SESSION_DISPLAY_STATUS (Windows 8 and later): the display of the session the program runs in,
// which for a Remote Desktop session is on while the console's is off.
inline constexpr GUID kSessionDisplayStatus{
    0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}};

// The display the user sees: the session's, where the system tells it.
inline const GUID& display_setting(bool windows_8_or_later) {
  return windows_8_or_later ? kSessionDisplayStatus : kConsoleDisplayState;
}

// Whether the display shows anything (on or dimmed), from a WM_POWERBROADCAST of `setting`; nothing
// for any other broadcast.
inline std::optional<bool> display_on(WPARAM event, LPARAM lparam, const GUID& setting) {
  if (event != PBT_POWERSETTINGCHANGE || lparam == 0) return std::nullopt;
  const auto& told = *reinterpret_cast<const POWERBROADCAST_SETTING*>(lparam);
  if (told.PowerSetting != setting || told.DataLength < sizeof(DWORD)) return std::nullopt;
  DWORD state;
  memcpy(&state, told.Data, sizeof state);
  return state != 0;
}

}  // namespace tamarak
