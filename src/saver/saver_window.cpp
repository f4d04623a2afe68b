#include "saver/saver_window.h"

#include <versionhelpers.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "base/display_state.h"
#include "base/dpi_scale.h"
#include "base/failure_note.h"
#include "base/guards.h"
#include "base/handles.h"
#include "base/screen_dpi.h"
#include "base/text.h"
#include "monitor/memory_figures.h"
#include "monitor/meter_icons.h"
#include "saver/saver_rules.h"

namespace tamarak {

namespace {

constexpr wchar_t kClassName[] = L"TamarakScreenSaver";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTickMs = 2000;

// The pointer hidden for as long as the full screen lasts.
class HiddenPointer {
 public:
  HiddenPointer() { ShowCursor(FALSE); }
  ~HiddenPointer() { ShowCursor(TRUE); }
  HiddenPointer(const HiddenPointer&) = delete;
  HiddenPointer& operator=(const HiddenPointer&) = delete;
};

class Saver {
 public:
  Saver(HWND window, bool preview) : window_(window), preview_(preview) {
    if (!preview_) pointer_.emplace();
    resize(window_dpi(window_));
    display_.reset(RegisterPowerSettingNotification(window_, &display_setting_, DEVICE_NOTIFY_WINDOW_HANDLE));
    start_ticking();
  }

  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_PAINT: paint(); return 0;
      case WM_TIMER: tick(); return 0;
      case WM_POWERBROADCAST: display_changed(wparam, lparam); return TRUE;
      case WM_DPICHANGED: resize(HIWORD(wparam)); return 0;
      case WM_DESTROY: PostQuitMessage(0); return 0;
      default: break;
    }
    if (!preview_ && ends_full_screen(message, wparam, lparam)) {
      DestroyWindow(window_);
      return 0;
    }
    if (!preview_ && message == WM_SETCURSOR) {
      SetCursor(nullptr);
      return TRUE;
    }
    // The system's own idea of starting a screen saver, while this one runs.
    if (message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_SCREENSAVE) return 0;
    return DefWindowProcW(window_, message, wparam, lparam);
  }

 private:
  // A key, a click, a real move of the mouse, or another program coming to the front.
  bool ends_full_screen(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_XBUTTONDOWN:
      case WM_MOUSEWHEEL: return true;
      case WM_ACTIVATEAPP: return wparam == FALSE;
      case WM_MOUSEMOVE: return mouse_moved(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      default: return false;
    }
  }

  // The first move after the start only says where the pointer is: the window appearing under it
  // sends one.
  bool mouse_moved(int x, int y) {
    if (!first_mouse_) {
      first_mouse_ = POINT{x, y};
      return false;
    }
    return moved_enough(x - first_mouse_->x, y - first_mouse_->y);
  }

  // Sizes follow the dpi full screen, and the preview window's height inside the Control Panel.
  void resize(int dpi) {
    RECT client{};
    GetClientRect(window_, &client);
    const int height = client.bottom - client.top;
    meter_size_ = std::clamp(preview_ ? height * 2 / 5 : scale_to_dpi(128, dpi), kMinMeterSize, kMaxMeterSize);
    const int text_height = preview_ ? std::max(8, height / 10) : scale_to_dpi(24, dpi);
    step_ = preview_ ? std::max(1, height / 50) : scale_to_dpi(8, dpi);
    icons_ = std::make_unique<MeterIcons>(meter_size_);
    font_.reset(CreateFontW(-text_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Meiryo UI"));
    InvalidateRect(window_, nullptr, TRUE);
    tick();
  }

  void start_ticking() { NOTE_IF_FALSE(SetTimer(window_, kTimerId, kTickMs, nullptr)); }

  // While the display is off nothing is drawn, and nothing wakes the saver to draw it.
  void display_changed(WPARAM event, LPARAM lparam) {
    const std::optional<bool> on = display_on(event, lparam, display_setting_);
    if (!on || *on == display_on_) return;
    display_on_ = *on;
    if (display_on_) {
      start_ticking();
      tick();
    } else {
      KillTimer(window_, kTimerId);
    }
  }

  // A fresh sample, and the item moved on: what it left and where it goes are drawn again.
  void tick() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    load_ = status.dwMemoryLoad;
    text_ = widen(tray_tip(load_));
    const SIZE text = text_size();
    const SIZE item{std::max<LONG>(meter_size_, text.cx), meter_size_ + meter_size_ / 8 + text.cy};
    RECT client{};
    GetClientRect(window_, &client);
    const Point at = drift_origin(ticks_++, client.right, client.bottom, item.cx, item.cy, step_);
    InvalidateRect(window_, &item_, TRUE);
    item_ = RECT{at.x, at.y, at.x + item.cx, at.y + item.cy};
    InvalidateRect(window_, &item_, TRUE);
  }

  SIZE text_size() const {
    SIZE size{};
    const WindowDC dc(window_);
    const Selected font(dc.get(), font_.get());
    GetTextExtentPoint32W(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &size);
    return size;
  }

  void paint() {
    const Painting paint(window_);
    if (!display_on_) return;
    const HDC dc = paint.dc();
    const int width = item_.right - item_.left;
    DrawIconEx(dc, item_.left + (width - meter_size_) / 2, item_.top, (*icons_)[load_band(load_)], meter_size_,
               meter_size_, 0, nullptr, DI_NORMAL);
    const Selected font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(192, 192, 192));
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    TextOutW(dc, item_.left + width / 2, item_.bottom, text_.c_str(), static_cast<int>(text_.size()));
  }

  HWND window_;
  bool preview_;
  std::optional<HiddenPointer> pointer_;
  const GUID& display_setting_ = display_setting(IsWindows8OrGreater());
  OwnedPowerNotification display_;
  bool display_on_ = true;
  std::unique_ptr<MeterIcons> icons_;
  OwnedFont font_;
  int meter_size_ = kMeterSize, step_ = 1;
  long long ticks_ = 0;
  DWORD load_ = 0;
  std::wstring text_;
  RECT item_{};
  std::optional<POINT> first_mouse_;
};

LRESULT CALLBACK saver_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  // The saver lives in run_saver's frame, past the window's end: an input that ends it destroys the
  // window from inside its own handler.
  auto* const saver = reinterpret_cast<std::optional<Saver>*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Until WM_CREATE the window is not whole enough to measure: the default handling does.
  if (message == WM_CREATE && saver) {
    saver->emplace(window, (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0);
    return 0;
  }
  if (!saver || !*saver) return DefWindowProcW(window, message, wparam, lparam);
  return (*saver)->handle(message, wparam, lparam);
}

}  // namespace

bool run_saver(HINSTANCE instance, HWND preview_parent) {
  WNDCLASSEXW window_class{sizeof window_class};
  window_class.lpfnWndProc = saver_procedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  window_class.lpszClassName = kClassName;
  if (!RegisterClassExW(&window_class)) return false;

  std::optional<Saver> saver;
  HWND window = nullptr;
  if (preview_parent) {
    RECT area{};
    GetClientRect(preview_parent, &area);
    // No notes to the parent: another process's window that stops answering must not hang this one.
    window = CreateWindowExW(WS_EX_NOPARENTNOTIFY, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, area.right,
                             area.bottom, preview_parent, nullptr, instance, &saver);
  } else {
    window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"Tamarak's SS", WS_POPUP,
                             GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                             GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr,
                             nullptr, instance, &saver);
    if (window) {
      ShowWindow(window, SW_SHOW);
      SetForegroundWindow(window);
    }
  }
  if (!window) return false;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace tamarak
