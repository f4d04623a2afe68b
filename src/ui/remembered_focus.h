// The keyboard focus a window gives back to the same control when it is activated again, as a
// dialog does; without it, coming back from another program leaves no control focused.
#pragma once

#include <windows.h>

namespace tamarak {

class RememberedFocus {
 public:
  // For WM_ACTIVATE: remembers the focused control on deactivation; on activation (not while
  // minimised) focuses it again, or the first control in tab order, if any. True when it set the focus,
  // so the window must not pass the message on.
  bool on_activate(HWND window, WPARAM wparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
      const HWND focus = GetFocus();
      if (focus && IsChild(window, focus)) focus_ = focus;
      return false;
    }
    if (HIWORD(wparam)) return false;
    const HWND target = focus_ && IsChild(window, focus_) ? focus_ : GetNextDlgTabItem(window, nullptr, FALSE);
    // A window with no control to take it keeps the focus itself, as the system gives it.
    if (!target) return false;
    SetFocus(target);
    return true;
  }
  void forget() { focus_ = nullptr; }

 private:
  HWND focus_ = nullptr;
};

}  // namespace tamarak
