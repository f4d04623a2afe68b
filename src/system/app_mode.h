// The app mode the user has set (light or dark), followed by the program's windows: what their
// designs give in the system's colours, their title bars, and the menus the system draws for them.
#pragma once

#include <windows.h>

#include "base/colour_mode.h"

namespace tamarak {

class SystemServices;

class AppMode {
 public:
  // How `window` is to draw now, high contrast winning over the app mode. Its title bar follows, and
  // so do the menus the system draws for the program (the tray popup, drop-down, context and system
  // menus) where the system lets them. A program that has never been dark asks nothing of either.
  ColourMode follow(SystemServices& system, HWND window);

 private:
  void look_up(SystemServices& system);

  using SetPreferredAppMode = int(WINAPI*)(int mode);
  using FlushMenuThemes = void(WINAPI*)();
  using AllowDarkModeForWindow = BOOL(WINAPI*)(HWND window, BOOL allow);
  SetPreferredAppMode set_preferred_app_mode_ = nullptr;
  FlushMenuThemes flush_menu_themes_ = nullptr;
  AllowDarkModeForWindow allow_dark_mode_for_window_ = nullptr;
  DWORD title_bar_attribute_ = 0;
  bool looked_up_ = false;
  bool dark_ = false;  // as the menus were last told
};

}  // namespace tamarak
