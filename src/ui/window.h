// Base of every window class: owns the HWND and routes its messages to a member function.
#pragma once

#include <windows.h>

namespace tamarak {

class ModalSession;

// What the program makes of its windows: each tells it when it comes and goes, and asks whether
// the program is busy or which modal window is up, if any.
class WindowHost {
 public:
  virtual void window_opened() = 0;
  virtual void window_closed() = 0;
  // While the program works (an optimiser run), its windows show the hourglass.
  virtual bool busy() const = 0;
  virtual ModalSession* modal() const = 0;
  virtual void set_modal(ModalSession* modal) = 0;

 protected:
  ~WindowHost() = default;
};

// Base of every window class. A window class is only ever made as Form<Class>, which destroys the
// window before the class's own parts are gone.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  HWND hwnd() const { return hwnd_; }
  WindowHost& host() const { return host_; }

 protected:
  explicit Window(WindowHost& host) : host_(host) {}
  // Registers the class on first use and creates the window; on_message then receives its messages,
  // WM_CREATE included. It is centred on the screen, its frame sized around a client area of the
  // given pixels and a menu bar if it has one, or will have one (`menu_bar_later`). An owned window
  // stays above its owner and off the taskbar.
  bool create_window(const wchar_t* class_name, const wchar_t* caption, DWORD style, DWORD ex_style, int client_width,
                     int client_height, HWND owner = nullptr, bool menu_bar_later = false);
  virtual LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
  // Moves and sizes the window to `where` (screen pixels), keeping its place in the z-order.
  void move_to(const RECT& where);
  LRESULT default_message(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
  }

 private:
  template <class>
  friend class Form;
  // Only Form implements it, so no window class can be made any other way.
  virtual void made_as_form() = 0;
  static bool busy_pointer(int hit_test, UINT mouse_message);
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  WindowHost& host_;
  HWND hwnd_ = nullptr;
};

// A window object as the program makes it. Its destructor destroys the window while the window
// class is still whole, so the class's own WM_DESTROY handling (revoking a drop target, removing
// the tray icon) runs however the object ends, even after the message loop has stopped.
template <class Class>
class Form final : public Class {
 public:
  using Class::Class;
  ~Form() override {
    if (this->hwnd()) DestroyWindow(this->hwnd());
  }

 private:
  void made_as_form() override {}
};

// Message parameters decoded, where a window procedure hands them to its handlers.
inline HDC dc_param(WPARAM wparam) { return reinterpret_cast<HDC>(wparam); }
inline HWND window_param(WPARAM wparam) { return reinterpret_cast<HWND>(wparam); }
inline HWND window_param(LPARAM lparam) { return reinterpret_cast<HWND>(lparam); }
template <class Struct>
const Struct& struct_param(LPARAM lparam) {
  return *reinterpret_cast<const Struct*>(lparam);
}

}  // namespace tamarak
