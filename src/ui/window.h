// Base of every window class: owns the HWND and routes its messages to a member function.
#pragma once

#include <windows.h>

namespace tamarak {

// Counts the open top-level windows: the program ends when the last one is destroyed, so a tool
// window left open keeps it running after the main window has gone.
class ProgramLifetime {
 public:
  void window_opened() { ++open_; }
  void window_closed() {
    if (--open_ == 0) PostQuitMessage(0);
  }
  int open_windows() const { return open_; }

 private:
  int open_ = 0;
};

class Window {
 public:
  explicit Window(ProgramLifetime& lifetime) : lifetime_(lifetime) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  ProgramLifetime& lifetime() const { return lifetime_; }

 protected:
  // Registers the class on first use and creates the window; on_message then receives its messages,
  // WM_CREATE included. It is centred on the screen, its frame sized around a client area of the
  // given pixels. An owned window stays above its owner and off the taskbar.
  bool create_window(const wchar_t* class_name, const wchar_t* caption, DWORD style, DWORD ex_style,
                     int client_width, int client_height, HMENU menu = nullptr, HWND owner = nullptr);
  virtual LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT default_message(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
  }

 private:
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  ProgramLifetime& lifetime_;
  HWND hwnd_ = nullptr;
};

// The screen's dpi, which every design length is scaled by.
int screen_dpi();

}  // namespace tamarak
