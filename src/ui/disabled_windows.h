// What makes a window modal: the program's other top-level windows take no input while it is up.
#pragma once

#include <windows.h>

#include <vector>

namespace tamarak {

class DisabledWindows {
 public:
  // Disables every enabled top-level window this thread made from the program's module, except `keep`.
  explicit DisabledWindows(HWND keep);
  // Enables again those still there.
  ~DisabledWindows();
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace tamarak
