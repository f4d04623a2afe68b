#include "ui/tooltips.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <string>

#include "base/failure_note.h"
#include "base/text.h"
#include "ui/common_controls.h"

namespace tamarak {

namespace {

HWND make_tip_window(HWND owner) {
  init_common_controls();
  return NOTE_IF_NULL(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

}  // namespace

Tooltips::Tooltips(HWND owner) : owner_(owner), tips_(make_tip_window(owner)) {}

Tooltips::~Tooltips() {
  if (IsWindow(tips_)) DestroyWindow(tips_);
}

void Tooltips::add(HWND control, std::string_view utf8_text) {
  std::wstring text = widen(utf8_text);
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text.data();
  NOTE_IF_REFUSED(SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void Tooltips::follow_app_mode(bool dark) { SetWindowTheme(tips_, dark ? L"DarkMode_Explorer" : nullptr, nullptr); }

}  // namespace tamarak
