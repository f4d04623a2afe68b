// A real OLE drag of files with the mouse, as from a file manager: the driver presses a button over
// a window of its own, runs OLE's drag loop and carries the pointer to the drop point.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

struct DragOutcome {
  HRESULT result = E_FAIL;  // DoDragDrop's: DRAGDROP_S_DROP when the target took the drop
  DWORD effect = DROPEFFECT_NONE;
  bool operator==(const DragOutcome&) const = default;
};

// `while_dropping` runs on a helper thread once the button is released, while the target still
// handles the drop (a right-button drop's menu is up then).
DragOutcome drag_files(const std::vector<std::wstring>& paths, POINT to, bool right_button,
                       const std::function<void()>& while_dropping = {});

}  // namespace e2e
