#include "base/screen_dpi.h"

#include "base/guards.h"

namespace tamarak {

int screen_dpi() {
  const WindowDC screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

int window_dpi(HWND window) {
  using ForWindow = UINT(WINAPI*)(HWND);
  static const auto for_window = reinterpret_cast<ForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const int dpi = for_window && window ? static_cast<int>(for_window(window)) : 0;
  return dpi > 0 ? dpi : screen_dpi();
}

}  // namespace tamarak
