#include "ui/modal_session.h"

namespace tamarak {

DisabledWindows::DisabledWindows(HWND keep) {
  struct Search {
    HWND keep;
    HINSTANCE program;
    std::vector<HWND>& found;
  } search{keep, GetModuleHandleW(nullptr), disabled_};
  // Hidden windows too: the tray can show the main window meanwhile.
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
        if (window != s.keep && instance == s.program && IsWindowEnabled(window)) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  for (HWND window : disabled_) EnableWindow(window, FALSE);
}

DisabledWindows::~DisabledWindows() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

void DisabledWindows::add(HWND window) {
  if (!IsWindowEnabled(window)) return;
  EnableWindow(window, FALSE);
  disabled_.push_back(window);
}

void DisabledWindows::hold() {
  for (HWND window : disabled_)
    if (IsWindow(window) && IsWindowEnabled(window)) EnableWindow(window, FALSE);
}

ModalSession::ModalSession(HWND modal, WindowHost& host) : modal_(modal), host_(host), others_(modal) {
  host_.set_modal(this);
}

ModalSession::~ModalSession() { host_.set_modal(nullptr); }

void ModalSession::adopt(HWND window) {
  if (window != modal_) others_.add(window);
}

}  // namespace tamarak
