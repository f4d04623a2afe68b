#include "ui/win32_prompts.h"

#include <string>

#include "base/message_loop.h"

namespace tamarak {

int Win32Prompts::message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) {
  return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

UINT Win32Prompts::track_popup_menu(HWND owner, HMENU menu, POINT where) {
  return static_cast<UINT>(
      TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, where.x, where.y, owner, nullptr));
}

void Win32Prompts::run_modal(HWND window) {
  run_messages([window] { return !IsWindow(window); });
}

std::optional<POINT> Win32Prompts::pointer_position() {
  POINT where;
  if (!GetCursorPos(&where)) return std::nullopt;
  return where;
}

}  // namespace tamarak
