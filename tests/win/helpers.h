// What the window tests share: the program's own constants, texts as UTF-8, this thread's messages
// taken until something holds, controls found and where they are, and the tray icon's callback.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/program_identity.h"
#include "base/handles.h"
#include "base/system_function.h"
#include "monitor/tray_icon.h"

namespace tamarak {

// Every record the program hands the shell says what it carries: callback, picture and tip.
inline constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

inline std::string narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// The messages this thread's windows are sent from now on, for as long as the hook returned lives;
// what an earlier test recorded is gone.
inline std::vector<MSG> g_sent;
inline OwnedHook record_sent_messages() {
  g_sent.clear();
  return OwnedHook(SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wparam, LPARAM lparam) -> LRESULT {
        const auto* sent = reinterpret_cast<CWPSTRUCT*>(lparam);
        if (code == HC_ACTION) g_sent.push_back({sent->hwnd, sent->message, sent->wParam, sent->lParam, 0, {}});
        return CallNextHookEx(nullptr, code, wparam, lparam);
      },
      nullptr, GetCurrentThreadId()));
}

// Every failure the program notes fails the running test (test_main.cpp), but one the test provokes:
// while the guard lasts, notes of calls holding `call` are taken, and the test fails if none came.
class [[nodiscard]] ExpectFailures {
 public:
  explicit ExpectFailures(const char* call);
  ~ExpectFailures();
  ExpectFailures(const ExpectFailures&) = delete;
  static bool expected(std::string_view call, unsigned long code);
  unsigned long codes() const { return codes_; }  // the codes noted, or-ed

 private:
  inline static ExpectFailures* innermost_ = nullptr;
  const char* call_;
  ExpectFailures* outer_;
  int taken_ = 0;
  unsigned long codes_ = 0;
};

// The control with this id anywhere inside `window`, in a frame or a viewport as well.
inline HWND find_control(HWND window, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        auto& [wanted, found] = *reinterpret_cast<std::pair<int, HWND>*>(data);
        if (GetDlgCtrlID(child) == wanted) found = child;
        return !found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// A window's text, whatever its length, as UTF-8.
inline std::string text_of(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return narrow(text);
}
inline std::string text_of(HWND window, int control) { return text_of(find_control(window, control)); }
// The texts of several controls, in the order asked.
inline std::vector<std::string> texts_of(HWND window, std::initializer_list<int> controls) {
  std::vector<std::string> texts;
  for (int control : controls) texts.push_back(text_of(window, control));
  return texts;
}

// Takes this thread's messages until `condition` holds, for at most `ms`; whether it holds.
inline bool pump_until(const std::function<bool()>& condition, DWORD ms = 30000) {
  const ULONGLONG end = GetTickCount64() + ms;
  while (!condition() && GetTickCount64() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  return condition();
}

// A key pressed and let go with `control` focused, taken as the program's message loop takes it:
// through the dialog keys of its window first.
inline void press_key(HWND control, UINT key) {
  SetFocus(control);
  const HWND window = GetAncestor(control, GA_ROOT);
  // And what the key posted (its character, a close), as the loop takes them next.
  const auto take = [window](MSG msg) {
    if (IsWindow(window) && IsDialogMessageW(window, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  };
  for (MSG msg : {MSG{control, WM_KEYDOWN, key, 1}, MSG{control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001)}}) {
    take(msg);
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) take(msg);
  }
}

// What the shell sends the window for a mouse message over the icon.
inline void tray_callback(HWND window, UINT mouse, UINT icon = kTrayIconId) {
  SendMessageW(window, kTrayCallbackMessage, icon, mouse);
}

// The name a screen reader hears for a control, as the system's proxy (or an annotation) gives it.
inline std::string accessible_name(HWND control) {
  // Looked up, as the program links the accessibility identifiers from another library.
  using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
  LoadLibraryW(L"oleacc.dll");
  static const auto from_window = system_function<FromWindow>(L"oleacc.dll", "AccessibleObjectFromWindow");
  IAccessible* object = nullptr;
  if (!from_window || FAILED(from_window(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&object))))
    return "(no accessible object)";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT got = object->get_accName(self, &name);
  object->Release();
  std::string text = SUCCEEDED(got) && name ? narrow(name) : "(none)";
  SysFreeString(name);
  return text;
}

inline RECT rect_in_parent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The window's region, if it has one: its bounding box, and whether it is rounded (each corner pixel
// of the box cut away, the middle and the middle of the top edge kept).
struct Outline {
  bool shaped = false;
  RECT box{};
  bool rounded = false;
};

inline Outline outline_of(HWND window) {
  Outline o;
  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  if ((o.shaped = GetWindowRgn(window, region) != ERROR)) {
    GetRgnBox(region, &o.box);
    const int w = o.box.right - 1, h = o.box.bottom - 1;
    o.rounded = !PtInRegion(region, 0, 0) && !PtInRegion(region, w, 0) && !PtInRegion(region, 0, h) &&
                !PtInRegion(region, w, h) && PtInRegion(region, w / 2, h / 2) && PtInRegion(region, w / 2, 0);
  }
  DeleteObject(region);
  return o;
}

// Rounded over the whole window. A round-rectangle region leaves out its last column and row, as
// Windows always has.
inline bool rounded(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  const Outline o = outline_of(window);
  return o.rounded && o.box.right == r.right - r.left - 1 && o.box.bottom == r.bottom - r.top - 1;
}

}  // namespace tamarak
