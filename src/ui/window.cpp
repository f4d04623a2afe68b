#include "ui/window.h"

#include "base/failure_note.h"
#include "ui/modal_session.h"

namespace tamarak {

bool Window::create_window(const wchar_t* class_name, const wchar_t* caption, DWORD style, DWORD ex_style,
                           int client_width, int client_height, HWND owner, bool menu_bar_later) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (!GetClassInfoExW(instance, class_name, &wc)) {
    wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = class_name;
    if (!RegisterClassExW(&wc)) note_failure(L"window class not registered");
  }
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, style, menu_bar_later, ex_style);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!CreateWindowExW(ex_style, class_name, caption, style, x, y, width, height, owner, nullptr, instance, this)) {
    note_failure(L"window not made");
    return false;
  }
  // A window opened while a modal one is up (from the tray, say) waits for it like the others.
  if (ModalSession* modal = host_.modal()) modal->adopt(hwnd_);
  return true;
}

LRESULT Window::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  return default_message(message, wparam, lparam);
}

void Window::move_to(const RECT& where) {
  SetWindowPos(hwnd_, nullptr, where.left, where.top, where.right - where.left, where.bottom - where.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// The hourglass while the program works: over its client areas, and over windows that take no input
// meanwhile; but a click on one of those is the system's to answer, with a beep and the window that
// does take input brought forward.
bool Window::busy_pointer(int hit_test, UINT mouse_message) {
  if (hit_test != HTCLIENT && !(hit_test == HTERROR && mouse_message == WM_MOUSEMOVE)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return true;
}

LRESULT CALLBACK Window::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->host_.window_opened();
  }
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_SETCURSOR && self->host_.busy() && busy_pointer(static_cast<SHORT>(LOWORD(lparam)), HIWORD(lparam)))
    return TRUE;
  const LRESULT result = self->on_message(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->host_.window_closed();
  }
  return result;
}

}  // namespace tamarak
