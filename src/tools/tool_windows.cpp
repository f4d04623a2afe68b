#include "tools/tool_windows.h"

#include "ui/modal_session.h"

namespace tamarak {

template <class T>
void ToolWindows::open(std::unique_ptr<Form<T>>& instance, bool on_taskbar) {
  if (!instance) instance = std::make_unique<Form<T>>(system_, prompts_, host_);
  const HWND window = instance->hwnd();
  if (!window) {
    if (!instance->create(on_taskbar ? nullptr : off_taskbar_.get())) return;
    show_normal(instance->hwnd());
  } else if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  }
  // While a modal window is up, it is the one that comes forward.
  SetForegroundWindow(host_.modal() ? host_.modal()->window() : instance->hwnd());
}

void ToolWindows::open_app_run() { open(app_run_, false); }
void ToolWindows::open_clip() {
  if (!ole_) ole_.emplace();
  open(clip_, false);
}
void ToolWindows::open_ip() { open(ip_, true); }

}  // namespace tamarak
