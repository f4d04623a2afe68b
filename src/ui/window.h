// Base of every window class: owns the HWND and routes its messages to a member function.
#pragma once

#include <windows.h>

namespace tamarak {

class ModalSession;

// Counts the open top-level windows: the program ends when the last one is destroyed, so a tool
// window left open keeps it running after the main window has gone. Knows the modal window that
// is up, if any, so that windows made meanwhile take no input either.
class ProgramLifetime {
 public:
  void window_opened() { ++open_; }
  void window_closed() {
    if (--open_ == 0) PostQuitMessage(0);
  }
  int open_windows() const { return open_; }

  ModalSession* modal() const { return modal_; }
  void set_modal(ModalSession* modal) { modal_ = modal; }

  // While the program works (an optimiser run), its windows show the hourglass.
  bool busy() const { return busy_; }
  void set_busy(bool busy) { busy_ = busy; }

 private:
  int open_ = 0;
  ModalSession* modal_ = nullptr;
  bool busy_ = false;
};

// Base of every window class. A window class is only ever made as Form<Class>, which destroys the
// window before the class's own parts are gone.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  HWND hwnd() const { return hwnd_; }
  ProgramLifetime& lifetime() const { return lifetime_; }

 protected:
  explicit Window(ProgramLifetime& lifetime) : lifetime_(lifetime) {}
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

  ProgramLifetime& lifetime_;
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

// The screen's dpi, which every design length is scaled by.
int screen_dpi();

// Message parameters decoded, where a window procedure hands them to its handlers.
inline HDC dc_param(WPARAM wparam) { return reinterpret_cast<HDC>(wparam); }
inline HWND window_param(WPARAM wparam) { return reinterpret_cast<HWND>(wparam); }
inline HWND window_param(LPARAM lparam) { return reinterpret_cast<HWND>(lparam); }
template <class Struct>
const Struct& struct_param(LPARAM lparam) {
  return *reinterpret_cast<const Struct*>(lparam);
}

}  // namespace tamarak
