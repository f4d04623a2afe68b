// Drives the real tamarak.exe from outside, as a user's tools would: processes, top-level windows
// by caption, control texts, posted messages and screenshots.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

// The program's title, as its message boxes and About window show it.
inline const std::wstring kTitle = L"Tamarak　タマラック";

// Starts the program; ends it on destruction if it still runs.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD pid() const { return info_.dwProcessId; }
  bool running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  bool wait_for_exit(DWORD ms = 10000) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

 private:
  PROCESS_INFORMATION info_{};
};

// Polls `condition` until it holds or `ms` have passed.
bool wait_until(const std::function<bool()>& condition, DWORD ms = 10000);

// A top-level window of the process with this caption, shown or hidden (class may be null).
HWND find_window(DWORD pid, const wchar_t* class_name, const std::wstring& caption);
HWND wait_for_window(DWORD pid, const wchar_t* class_name, const std::wstring& caption);
// The program's main window, hidden or shown, once it exists.
HWND wait_for_main_window(DWORD pid);
// Shows it as a double-click on the tray icon does; true once it is visible.
bool show_main_window(HWND main);
// The menu window that opens next (a menu bar's menu or a popup), once it is visible.
HWND wait_for_menu();
std::wstring text_of(HWND window);
std::wstring control_text(HWND parent, int id);
// A message box's text: Windows gives its label the id 0xFFFF, Wine 100.
std::wstring message_box_text(HWND box);
// Number of icons in Wine's stand-alone tray window.
int tray_icon_count();
// Saves the screen area of the window (or the whole screen) as a BMP under screenshots/.
void save_screenshot(HWND window, const std::string& name);

}  // namespace e2e
