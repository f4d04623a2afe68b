#include "ui/window.h"

#include "base/dpi_scale.h"
#include "base/failure_note.h"
#include "base/screen_dpi.h"
#include "base/system_function.h"
#include "ui/modal_session.h"

namespace tamarak {

namespace {

// WM_GETDPISCALEDSIZE, sent by Windows 10 1703 and later.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// The outer size of a window around a client area, with the frame as thick as it is at `dpi`, where
// the system can say (Windows 10 1607 and later).
SIZE frame_size(SIZE client, DWORD style, DWORD ex_style, bool menu_bar, int dpi) {
  using ForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto for_dpi = system_function<ForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (!for_dpi || !for_dpi(&frame, style, menu_bar, ex_style, static_cast<UINT>(dpi)))
    NOTE_IF_FALSE(AdjustWindowRectEx(&frame, style, menu_bar, ex_style));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// The user switched apps between light and dark (or changed the accent colour).
bool app_mode_changed(LPARAM setting) {
  return setting && lstrcmpW(reinterpret_cast<const wchar_t*>(setting), L"ImmersiveColorSet") == 0;
}

}  // namespace

Window::Window(WindowHost& host) : host_(host), dpi_(screen_dpi()) {}

bool Window::create_window(const wchar_t* class_name, const wchar_t* caption, DWORD style, DWORD ex_style,
                           SIZE design_client, HWND owner, bool menu_bar) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (!GetClassInfoExW(instance, class_name, &wc)) {
    wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hIcon = NOTE_IF_NULL(LoadIconW(instance, MAKEINTRESOURCEW(1)));
    wc.hCursor = NOTE_IF_NULL(LoadCursorW(nullptr, IDC_ARROW));
    wc.lpszClassName = class_name;
    NOTE_IF_FALSE(RegisterClassExW(&wc));
  }
  design_client_ = design_client;
  menu_bar_ = menu_bar;
  // Sized at the screen's dpi; made, the window has the dpi of the monitor it is on, and its size
  // follows if that is another.
  dpi_ = screen_dpi();
  const int made_at = dpi_;
  const SIZE frame = frame_size(client_at(dpi_), style, ex_style, menu_bar, dpi_);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - frame.cx) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - frame.cy) / 2;
  if (!NOTE_IF_NULL(CreateWindowExW(ex_style, class_name, caption, style, x, y, frame.cx, frame.cy, owner, nullptr,
                                    instance, this)))
    return false;
  if (dpi_ != made_at) {
    const SIZE own = frame_around(client_at(dpi_), dpi_);
    NOTE_IF_FALSE(SetWindowPos(hwnd_, nullptr, x + (frame.cx - own.cx) / 2, y + (frame.cy - own.cy) / 2, own.cx, own.cy,
                               SWP_NOZORDER | SWP_NOACTIVATE));
  }
  // A window opened while a modal one is up (from the tray, say) waits for it like the others.
  if (ModalSession* modal = host_.modal()) modal->adopt(hwnd_);
  return true;
}

SIZE Window::client_at(int dpi) const {
  if (hwnd_ && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_THICKFRAME)) {
    RECT client;
    GetClientRect(hwnd_, &client);
    return {MulDiv(client.right, dpi, dpi_), MulDiv(client.bottom, dpi, dpi_)};
  }
  return {scale_to_dpi(design_client_.cx, dpi), scale_to_dpi(design_client_.cy, dpi)};
}

SIZE Window::frame_around(SIZE client, int dpi) const {
  return frame_size(client, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)),
                    static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)), menu_bar_, dpi);
}

// Moved to a monitor of another scale: laid out there, where the system suggests; the suggestion is
// the size given it for WM_GETDPISCALEDSIZE.
void Window::on_dpi_changed(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  relayout_for_dpi();
  NOTE_IF_FALSE(SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                             suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE));
}

LRESULT Window::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  return default_message(message, wparam, lparam);
}

// The hourglass while the program works: over its client areas, and over windows that take no input
// meanwhile; but a click on one of those is the system's to answer, with a beep and the window that
// does take input brought forward.
bool Window::busy_pointer(int hit_test, UINT mouse_message) {
  if (hit_test != HTCLIENT && !(hit_test == HTERROR && mouse_message == WM_MOUSEMOVE)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  return true;
}

void show_normal(HWND window) {
  ShowWindow(window, SW_SHOWNORMAL);
  if (!IsWindowVisible(window) || IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_SHOWNORMAL);
}

LRESULT CALLBACK Window::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    self->dpi_ = window_dpi(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->host_.window_opened();
  }
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_SETCURSOR && self->host_.busy() && busy_pointer(static_cast<SHORT>(LOWORD(lparam)), HIWORD(lparam)))
    return TRUE;
  // Windows scales the whole frame, caption included, which need not give the designed client area:
  // the exact size is the window's to say.
  if (message == kGetDpiScaledSize) {
    *reinterpret_cast<SIZE*>(lparam) = self->frame_around(self->client_at(LOWORD(wparam)), LOWORD(wparam));
    return TRUE;
  }
  if (message == WM_DPICHANGED) {
    self->on_dpi_changed(HIWORD(wparam), struct_param<RECT>(lparam));
    return 0;
  }
  if (message == WM_SYSCOLORCHANGE || (message == WM_SETTINGCHANGE && wparam == SPI_SETHIGHCONTRAST) ||
      (message == WM_SETTINGCHANGE && app_mode_changed(lparam)))
    self->follow_system_colours();
  if (message == WM_SHOWWINDOW) self->host_.window_shown(hwnd, wparam != FALSE);
  const LRESULT result = self->on_message(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->host_.window_shown(hwnd, false);
    self->host_.window_closed();
  }
  return result;
}

}  // namespace tamarak
