// The console display's state, as a window registered for GUID_CONSOLE_DISPLAY_STATE is told it in
// WM_POWERBROADCAST (PBT_POWERSETTINGCHANGE): at once on registration, then at every change.
#pragma once

#include <windows.h>

#include <cstring>
#include <optional>

namespace tamarak {

inline constexpr GUID kDisplayState{0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

// Whether the display shows anything (on or dimmed), from a WM_POWERBROADCAST; nothing for any other
// broadcast.
inline std::optional<bool> display_on(WPARAM event, LPARAM lparam) {
  if (event != PBT_POWERSETTINGCHANGE || lparam == 0) return std::nullopt;
  const auto& setting = *reinterpret_cast<const POWERBROADCAST_SETTING*>(lparam);
  if (setting.PowerSetting != kDisplayState || setting.DataLength < sizeof(DWORD)) return std::nullopt;
  DWORD state;
  memcpy(&state, setting.Data, sizeof state);
  return state != 0;
}

}  // namespace tamarak
