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
  // Shown or hidden, or destroyed.
  virtual void window_shown(HWND window, bool shown) = 0;
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
  // The dpi of the monitor the window is on: the screen's until it is made.
  int dpi() const { return dpi_; }
  WindowHost& host() const { return host_; }

 protected:
  explicit Window(WindowHost& host);
  // Registers the class on first use and creates the window; on_message then receives its messages,
  // WM_CREATE included, by which time dpi() is the window's own. It is centred on the screen, its
  // frame sized around the designed client area (pixels at 96 dpi) at that dpi and a menu bar if it
  // has one, or will have one. An owned window stays above its owner and off the taskbar.
  bool create_window(const wchar_t* class_name, const wchar_t* caption, DWORD style, DWORD ex_style, SIZE design_client,
                     HWND owner = nullptr, bool menu_bar = false);
  virtual LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
  // The window has moved to a monitor of another scale, dpi() already the new one: everything of it
  // at that dpi. The frame follows on its own.
  virtual void relayout_for_dpi() {}
  // High contrast or the app mode turned on or off, or the system's colours changed: everything drawn
  // again in them.
  virtual void follow_system_colours() {}
  // The designed client area at `dpi`; a window the user sizes keeps its own, scaled.
  SIZE client_at(int dpi) const;
  LRESULT default_message(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
  }

 private:
  template <class>
  friend class Form;
  // Only Form implements it, so no window class can be made any other way.
  virtual void made_as_form() = 0;
  static bool busy_pointer(int hit_test, UINT mouse_message);
  SIZE frame_around(SIZE client, int dpi) const;
  void on_dpi_changed(int dpi, const RECT& suggested);
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  WindowHost& host_;
  HWND hwnd_ = nullptr;
  int dpi_;
  SIZE design_client_{};
  bool menu_bar_ = false;
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

// Shows a window normal-sized, restored if it was minimised or maximised. The first showing of a
// top-level unowned window takes the launcher's show state (minimised, maximised, even hidden)
// instead of the one asked for; a second call then has it the program's way.
void show_normal(HWND window);

// Message parameters decoded, where a window procedure hands them to its handlers.
inline HDC dc_param(WPARAM wparam) { return reinterpret_cast<HDC>(wparam); }
inline HWND window_param(WPARAM wparam) { return reinterpret_cast<HWND>(wparam); }
inline HWND window_param(LPARAM lparam) { return reinterpret_cast<HWND>(lparam); }
template <class Struct>
const Struct& struct_param(LPARAM lparam) {
  return *reinterpret_cast<const Struct*>(lparam);
}

}  // namespace tamarak
