#include "tools/tool_windows.h"

namespace tamarak {

HWND ToolWindows::taskbar_owner() {
  if (!hidden_owner_) {
    constexpr wchar_t kClass[] = L"TamarakToolOwner";
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, kClass, &wc)) {
      wc.lpfnWndProc = DefWindowProcW;
      wc.hInstance = instance;
      wc.lpszClassName = kClass;
      RegisterClassExW(&wc);
    }
    hidden_owner_.reset(CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
  }
  return hidden_owner_.get();
}

template <class T>
void ToolWindows::open(std::unique_ptr<T>& instance, bool on_taskbar) {
  if (!instance) instance = std::make_unique<T>(system_, lifetime_);
  const HWND window = instance->hwnd();
  if (!window) {
    if (!instance->create(on_taskbar ? nullptr : taskbar_owner())) return;
    ShowWindow(instance->hwnd(), SW_SHOW);
  } else if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  }
  SetForegroundWindow(instance->hwnd());
}

void ToolWindows::open_app_run() { open(app_run_, false); }
void ToolWindows::open_clip() { open(clip_, false); }
void ToolWindows::open_ip() { open(ip_, true); }

}  // namespace tamarak
