#include "base/screen_dpi.h"

#include "base/guards.h"
#include "base/system_function.h"

namespace tamarak {

int screen_dpi() {
  const WindowDC screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

int window_dpi(HWND window) {
  using ForWindow = UINT(WINAPI*)(HWND);
  static const auto for_window = system_function<ForWindow>(L"user32.dll", "GetDpiForWindow");
  const int dpi = for_window && window ? static_cast<int>(for_window(window)) : 0;
  return dpi > 0 ? dpi : screen_dpi();
}

}  // namespace tamarak
