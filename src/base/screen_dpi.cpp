#include "base/screen_dpi.h"

#include "base/guards.h"

namespace tamarak {

int screen_dpi() {
  const WindowDC screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

}  // namespace tamarak
