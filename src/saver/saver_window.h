// The screen saver's one window: the live memory meter and the load text drifting over black,
// redrawn every two seconds, full screen over every monitor or inside the Control Panel's preview.
#pragma once

#include <windows.h>

namespace tamarak {

// Runs the saver until it ends: full screen for a null `preview_parent`, else as a child filling it.
// False when no window could be made (the parent gone, for one).
bool run_saver(HINSTANCE instance, HWND preview_parent);

}  // namespace tamarak
