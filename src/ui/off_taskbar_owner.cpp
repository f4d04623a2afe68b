#include "ui/off_taskbar_owner.h"

#include "base/failure_note.h"

namespace tamarak {

HWND OffTaskbarOwner::get() {
  if (window_) return window_.get();
  constexpr wchar_t kClass[] = L"TamarakToolOwner";
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, kClass, &wc)) {
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = kClass;
    if (!RegisterClassExW(&wc)) note_failure(L"owner class not registered");
  }
  window_.reset(CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
  if (!window_) note_failure(L"owner window not made");
  return window_.get();
}

}  // namespace tamarak
