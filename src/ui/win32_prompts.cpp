#include "ui/win32_prompts.h"

#include <oleacc.h>

#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "base/failure_note.h"
#include "base/handles.h"
#include "base/message_loop.h"

namespace tamarak {

int Win32Prompts::message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) {
  return NOTE_IF_FALSE(MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style));
}

namespace {

// How the menu being tracked was last worked, by a key or by the mouse; menus are tracked on the
// window thread only.
bool last_input_key = false;

bool on_a_menu(POINT where) {
  wchar_t name[8] = L"";
  GetClassNameW(WindowFromPoint(where), name, 8);
  return std::wstring_view(name) == L"#32768";
}

LRESULT CALLBACK watch_mouse(int code, WPARAM message, LPARAM data) {
  const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  if (code == HC_ACTION && press && !on_a_menu(reinterpret_cast<const MSLLHOOKSTRUCT*>(data)->pt)) {
    last_input_key = false;
    EndMenu();
  }
  return CallNextHookEx(nullptr, code, message, data);
}

LRESULT CALLBACK watch_keys(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION && message == WM_KEYDOWN &&
      reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode == VK_ESCAPE) {
    last_input_key = true;
    EndMenu();
    return 1;  // the menu's, not the program in front's
  }
  return CallNextHookEx(nullptr, code, message, data);
}

// What the menu's own loop takes: a key or a click.
LRESULT CALLBACK watch_menu_input(int code, WPARAM wparam, LPARAM data) {
  if (code == MSGF_MENU) {
    const UINT message = reinterpret_cast<const MSG*>(data)->message;
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) last_input_key = true;
    if ((message >= WM_LBUTTONDOWN && message <= WM_MOUSELAST) ||
        (message >= WM_NCLBUTTONDOWN && message <= WM_NCXBUTTONDBLCLK))
      last_input_key = false;
  }
  return CallNextHookEx(nullptr, code, wparam, data);
}

// While a menu is up without the foreground: a press outside the menu, or Escape, ends it.
class [[nodiscard]] OutsideInputEndsMenu {
 public:
  OutsideInputEndsMenu()
      : mouse_(NOTE_IF_NULL(SetWindowsHookExW(WH_MOUSE_LL, watch_mouse, GetModuleHandleW(nullptr), 0))),
        keys_(NOTE_IF_NULL(SetWindowsHookExW(WH_KEYBOARD_LL, watch_keys, GetModuleHandleW(nullptr), 0))) {}

 private:
  OwnedHook mouse_, keys_;
};

}  // namespace

bool Win32Prompts::bring_to_front(HWND window) {
  return SetForegroundWindow(window) && GetForegroundWindow() == window;
}

MenuChoice Win32Prompts::track_popup_menu(HWND owner, HMENU menu, POINT where, bool in_front) {
  last_input_key = false;
  std::optional<OutsideInputEndsMenu> watch;
  if (!in_front) watch.emplace();
  const OwnedHook menu_input(
      NOTE_IF_NULL(SetWindowsHookExW(WH_MSGFILTER, watch_menu_input, nullptr, GetCurrentThreadId())));
  const auto command = static_cast<UINT>(
      TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, where.x, where.y, owner, nullptr));
  return {command, command == 0 && last_input_key};
}

void Win32Prompts::run_modal(HWND window) {
  run_messages([window] { return !IsWindow(window); });
}

std::optional<POINT> Win32Prompts::pointer_position() {
  POINT where;
  if (!GetCursorPos(&where)) return std::nullopt;
  return where;
}

Win32Prompts::Win32Prompts() = default;
Win32Prompts::~Win32Prompts() = default;

IAccPropServices* Win32Prompts::annotations() {
  if (!tried_) {
    tried_ = true;
    com_.emplace();
    void* services = nullptr;
    NOTE_IF_FAILED(
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices, &services));
    annotations_.adopt(static_cast<IAccPropServices*>(services));
  }
  return annotations_.get();
}

void Win32Prompts::annotate(HWND control, const Annotation& annotation) {
  IAccPropServices* services = annotations();
  if (!services) return;
  clear_annotation(control);
  if (!annotations_) return;
  HRESULT result = S_OK;
  if (!annotation.name.empty())
    result = NOTE_IF_FAILED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                     PROPID_ACC_NAME, annotation.name.c_str()));
  if (SUCCEEDED(result) && !annotation.description.empty())
    result = NOTE_IF_FAILED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                     PROPID_ACC_DESCRIPTION, annotation.description.c_str()));
  if (SUCCEEDED(result) && annotation.link) {
    VARIANT role{};
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_LINK;
    result = NOTE_IF_FAILED(
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, role));
  }
  if (FAILED(result)) annotations_.reset();
}

// A system that refuses one annotation refuses them all (Wine 8 answers E_NOTIMPL to each): noted
// once and asked no more, not at every figure that changes.
void Win32Prompts::clear_annotation(HWND control) {
  static const MSAAPROPID kAnnotated[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_ROLE};
  if (annotations_ &&
      FAILED(NOTE_IF_FAILED(annotations_.get()->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                               kAnnotated, static_cast<int>(std::size(kAnnotated))))))
    annotations_.reset();
}

}  // namespace tamarak
