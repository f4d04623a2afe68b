#include "tools/tool_windows.h"

#include "ui/modal_session.h"

namespace tamarak {

HWND ToolWindows::owner_off_taskbar() {
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
void ToolWindows::open(std::unique_ptr<Form<T>>& instance, bool on_taskbar) {
  if (!instance) instance = std::make_unique<Form<T>>(system_, lifetime_);
  const HWND window = instance->hwnd();
  if (!window) {
    if (!instance->create(on_taskbar ? nullptr : owner_off_taskbar())) return;
    ShowWindow(instance->hwnd(), SW_SHOW);
  } else if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  }
  // While a modal window is up, it is the one that comes forward.
  SetForegroundWindow(lifetime_.modal() ? lifetime_.modal()->window() : instance->hwnd());
}

void ToolWindows::open_app_run() { open(app_run_, false); }
void ToolWindows::open_clip() {
  if (!ole_) ole_.emplace();
  open(clip_, false);
}
void ToolWindows::open_ip() { open(ip_, true); }

}  // namespace tamarak
