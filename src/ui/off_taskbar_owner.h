// The owner that keeps windows off the taskbar: a hidden window that, unlike the main window, lives
// until the program ends, so the main window's end takes none of the windows it owns along.
#pragma once

#include <windows.h>

#include "base/handles.h"

namespace tamarak {

class OffTaskbarOwner {
 public:
  // Made on first need.
  HWND get();

 private:
  OwnedWindow window_;
};

}  // namespace tamarak
