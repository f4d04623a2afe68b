#include "ui/modal_session.h"

namespace tamarak {

ModalSession::ModalSession(HWND modal, ProgramLifetime& lifetime) : modal_(modal), lifetime_(lifetime) {
  struct Search {
    HWND keep;
    HINSTANCE program;
    std::vector<HWND>& found;
  } search{modal, GetModuleHandleW(nullptr), disabled_};
  // Hidden windows too: the tray can show the main window while the modal one is up.
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
  lifetime_.set_modal(this);
}

ModalSession::~ModalSession() {
  lifetime_.set_modal(nullptr);
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

void ModalSession::adopt(HWND window) {
  if (window == modal_ || !IsWindowEnabled(window)) return;
  EnableWindow(window, FALSE);
  disabled_.push_back(window);
}

}  // namespace tamarak
