// The program's one message loop: dialog keys (Tab, Enter, Escape) for the active window, then the
// usual translation and dispatch.
#pragma once

#include <functional>

namespace tamarak {

// Runs until `done` holds or WM_QUIT arrives. A WM_QUIT taken inside a nested loop is posted again,
// so the loops around it end too. False when it ended for WM_QUIT.
bool run_messages(const std::function<bool()>& done);

}  // namespace tamarak
