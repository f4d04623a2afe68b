#include "saver/saver_window.h"

#include <versionhelpers.h>
#include <windowsx.h>

#include <algorithm>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/display_state.h"
#include "base/dpi_scale.h"
#include "base/failure_note.h"
#include "base/font_faces.h"
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
// Posted to the thread once the monitors have changed: the full screen is made again over them.
constexpr UINT kRemake = WM_APP + 1;

// The pointer hidden for as long as the full screen lasts.
class HiddenPointer {
 public:
  HiddenPointer() { ShowCursor(FALSE); }
  ~HiddenPointer() { ShowCursor(TRUE); }
  HiddenPointer(const HiddenPointer&) = delete;
  HiddenPointer& operator=(const HiddenPointer&) = delete;
};

class Saver;

// What the saver's windows share: the preview's one child, or the full screen's window on each monitor,
// which end together on the first input and are made again when the monitors change.
class Session {
 public:
  Session(HINSTANCE instance, HWND preview_parent);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  bool made() const { return !savers_.empty(); }
  bool preview() const { return preview_parent_ != nullptr; }
  const wchar_t* face() const { return face_; }
  const GUID& display() const { return display_; }
  Saver& adopt(HWND window);
  // A key, a click, a real move of the mouse on any window, or another program in front.
  void end();
  // A window gone (the preview's parent closed, or a window closed from outside) ends the saver, unless
  // it is being made again.
  void window_gone() const;
  // A mouse move, in screen coordinates: the first only says where the pointer is, as a window appearing
  // under it sends one.
  bool moved(POINT at);
  void monitors_changed();
  void remake();

 private:
  void make_windows();

  HINSTANCE instance_;
  HWND preview_parent_;
  const wchar_t* face_ = saver_face(face_installed);
  const GUID& display_ = display_setting(IsWindows8OrGreater());
  std::list<Saver> savers_;
  std::optional<POINT> first_pointer_;
  bool ending_ = false, remaking_ = false, remake_posted_ = false;
};

class Saver {
 public:
  Saver(HWND window, Session& session) : window_(window), session_(session) {
    resize(window_dpi(window_));
    display_watch_.reset(RegisterPowerSettingNotification(window_, &session_.display(), DEVICE_NOTIFY_WINDOW_HANDLE));
    start_ticking();
  }

  HWND window() const { return window_; }

  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_PAINT: paint(); return 0;
      case WM_TIMER: tick(); return 0;
      case WM_POWERBROADCAST: display_changed(wparam, lparam); return TRUE;
      case WM_DPICHANGED: resize(HIWORD(wparam)); return 0;
      case WM_DISPLAYCHANGE: session_.monitors_changed(); return 0;
      case WM_DESTROY: session_.window_gone(); return 0;
      default: break;
    }
    const bool preview = session_.preview();
    if (!preview && ends_full_screen(message, wparam, lparam)) {
      session_.end();
      return 0;
    }
    if (!preview && message == WM_SETCURSOR) {
      SetCursor(nullptr);
      return TRUE;
    }
    // The system's own idea of starting a screen saver, while this one runs.
    if (message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_SCREENSAVE) return 0;
    return DefWindowProcW(window_, message, wparam, lparam);
  }

 private:
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
      case WM_MOUSEMOVE: {
        POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        ClientToScreen(window_, &at);
        return session_.moved(at);
      }
      default: return false;
    }
  }

  // Sizes follow the dpi full screen, and the preview window's height inside the Control Panel.
  void resize(int dpi) {
    RECT client{};
    GetClientRect(window_, &client);
    const int height = client.bottom - client.top;
    const bool preview = session_.preview();
    meter_size_ = std::clamp(preview ? height * 2 / 5 : scale_to_dpi(128, dpi), kMinMeterSize, kMaxMeterSize);
    const int text_height = preview ? std::max(8, height / 10) : scale_to_dpi(24, dpi);
    step_ = preview ? std::max(1, height / 50) : scale_to_dpi(8, dpi);
    icons_ = std::make_unique<MeterIcons>(meter_size_);
    font_.reset(CreateFontW(-text_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, session_.face()));
    InvalidateRect(window_, nullptr, TRUE);
    tick();
  }

  void start_ticking() { NOTE_IF_FALSE(SetTimer(window_, kTimerId, kTickMs, nullptr)); }

  // While the display is off nothing is drawn, and nothing wakes the saver to draw it.
  void display_changed(WPARAM event, LPARAM lparam) {
    const std::optional<bool> on = display_on(event, lparam, session_.display());
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
    const Point at = drift_origin(ticks_++, {0, 0, client.right, client.bottom}, item.cx, item.cy, step_);
    const RECT next{at.x, at.y, at.x + item.cx, at.y + item.cy};
    RECT both{};
    UnionRect(&both, &item_, &next);
    item_ = next;
    InvalidateRect(window_, &both, TRUE);
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
  Session& session_;
  OwnedPowerNotification display_watch_;
  bool display_on_ = true;
  std::unique_ptr<MeterIcons> icons_;
  OwnedFont font_;
  int meter_size_ = kMeterSize, step_ = 1;
  long long ticks_ = 0;
  DWORD load_ = 0;
  std::wstring text_;
  RECT item_{};
};

LRESULT CALLBACK saver_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // The saver lives in the session, past the window's end: an input that ends it destroys the window
  // from inside its own handler. Until WM_CREATE the window is not whole enough to measure.
  auto* saver = reinterpret_cast<Saver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_CREATE) {
    auto& session = *static_cast<Session*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&session.adopt(window)));
    return 0;
  }
  return saver ? saver->handle(message, wparam, lparam) : DefWindowProcW(window, message, wparam, lparam);
}

Session::Session(HINSTANCE instance, HWND preview_parent) : instance_(instance), preview_parent_(preview_parent) {
  if (preview_parent_) {
    RECT area{};
    GetClientRect(preview_parent_, &area);
    // No notes to the parent: another process's window that stops answering must not hang this one.
    CreateWindowExW(WS_EX_NOPARENTNOTIFY, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, area.right, area.bottom,
                    preview_parent_, nullptr, instance_, this);
  } else {
    make_windows();
  }
}

Session::~Session() {
  ending_ = true;
  for (Saver& saver : savers_) DestroyWindow(saver.window());
}

Saver& Session::adopt(HWND window) { return savers_.emplace_back(window, *this); }

// One window on each monitor, at that monitor's dpi: a window over the whole virtual screen would
// have one dpi for all of them, and parts of it on no monitor at all.
void Session::make_windows() {
  std::vector<RECT> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR, HDC, RECT* area, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<RECT>*>(list)->push_back(*area);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  HWND first = nullptr;
  for (const RECT& area : monitors) {
    const HWND window = NOTE_IF_NULL(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"Tamarak's SS",
                                                     WS_POPUP, area.left, area.top, area.right - area.left,
                                                     area.bottom - area.top, nullptr, nullptr, instance_, this));
    if (!window) continue;
    ShowWindow(window, SW_SHOW);
    if (!first) first = window;
  }
  if (first) SetForegroundWindow(first);
}

void Session::end() {
  if (ending_) return;
  ending_ = true;
  for (Saver& saver : savers_) DestroyWindow(saver.window());
}

void Session::window_gone() const {
  if (!remaking_) PostQuitMessage(0);
}

bool Session::moved(POINT at) {
  if (!first_pointer_) {
    first_pointer_ = at;
    return false;
  }
  return moved_enough(at.x - first_pointer_->x, at.y - first_pointer_->y);
}

void Session::monitors_changed() {
  if (remake_posted_ || preview()) return;
  remake_posted_ = NOTE_IF_FALSE(PostThreadMessageW(GetCurrentThreadId(), kRemake, 0, 0));
}

// The new windows come in front before the old ones go, so that the program never loses the front
// (which would end it).
void Session::remake() {
  remake_posted_ = false;
  if (ending_) return;
  std::list<Saver> old;
  old.swap(savers_);
  make_windows();
  remaking_ = true;
  for (Saver& saver : old) DestroyWindow(saver.window());
  remaking_ = false;
}

}  // namespace

bool run_saver(HINSTANCE instance, HWND preview_parent) {
  WNDCLASSEXW window_class{sizeof window_class};
  window_class.lpfnWndProc = saver_procedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  window_class.lpszClassName = kClassName;
  if (!RegisterClassExW(&window_class)) return false;

  std::optional<HiddenPointer> pointer;
  if (!preview_parent) pointer.emplace();
  Session session(instance, preview_parent);
  if (!session.made()) return false;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!msg.hwnd && msg.message == kRemake) {
      session.remake();
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace tamarak
