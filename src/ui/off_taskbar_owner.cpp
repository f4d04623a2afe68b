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
    NOTE_IF_FALSE(RegisterClassExW(&wc));
  }
  window_.reset(
      NOTE_IF_NULL(CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr)));
  return window_.get();
}

}  // namespace tamarak
