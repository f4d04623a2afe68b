// Drives the real tamarak.exe from outside, as a user's tools would: processes, top-level windows
// by caption, control texts, posted messages and screenshots.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/program_identity.h"
#include "debug_output.h"
#include "monitor/tray_icon.h"

namespace e2e {

// A text as the program's headers spell it (UTF-8), as its windows show it.
inline std::wstring widen(std::string_view utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                                     static_cast<int>(out.size()))));
  return out;
}

// The program's title, as its message boxes and About window show it.
inline const std::wstring kTitle = widen(tamarak::kProgramTitle);

// A file of the build, as a Windows path.
std::wstring windows_path(const char* unix_path);
// The program as built, as a Windows path.
inline std::wstring program_path() { return windows_path(TAMARAK_EXE); }

// Starts the program (the one built, or a copy elsewhere, with extra environment variables as
// "NAME=value", and arguments); ends it on destruction if it still runs. `unquoted` starts it as the
// Control Panel starts a screen saver: the path unquoted in the command line, and named to the system.
class Program {
 public:
  explicit Program(const std::wstring& path = program_path(), const std::vector<std::wstring>& environment = {},
                   const std::wstring& arguments = L"", bool unquoted = false);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD pid() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }
  bool running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  bool wait_for_exit(DWORD ms = 10000) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }
  // Once it has ended, or STILL_ACTIVE if it has not by `ms`.
  DWORD exit_code(DWORD ms = 10000) const {
    DWORD code = STILL_ACTIVE;
    return wait_for_exit(ms) && GetExitCodeProcess(info_.hProcess, &code) ? code : STILL_ACTIVE;
  }

 private:
  PROCESS_INFORMATION info_{};
};

// Polls `condition` until it holds or `ms` have passed. The bound only ends a wait that went wrong:
// a loaded machine may take long over what takes a blink here.
bool wait_until(const std::function<bool()>& condition, DWORD ms = 30000);

// A top-level window of the process with this caption, shown or hidden (class may be null).
HWND find_window(DWORD pid, const wchar_t* class_name, const std::wstring& caption);
HWND wait_for_window(DWORD pid, const wchar_t* class_name, const std::wstring& caption);
// The program's main window, hidden or shown, once it exists.
HWND wait_for_main_window(DWORD pid);
// Number of icons in Wine's stand-alone tray window.
int tray_icon_count();
// Each test with the program started afresh, its main window found.
class ProgramTest : public ::testing::Test {
 protected:
  const int icons_before = tray_icon_count();  // the tray's icons before the program adds its own
  Program program;
  HWND main = nullptr;
  void SetUp() override { ASSERT_TRUE(main = wait_for_main_window(program.pid())); }
};
// What the shell posts the main window for a mouse message over the tray icon.
inline void post_tray_callback(HWND main, UINT mouse) {
  PostMessageW(main, tamarak::kTrayCallbackMessage, tamarak::kTrayIconId, mouse);
}
// Shows it as a double-click on the tray icon does; true once it is visible.
bool show_main_window(HWND main);
// The menu window that opens next (a menu bar's menu or a popup), once it is visible.
HWND wait_for_menu();
// The menu windows the process shows, the last opened first.
std::vector<HWND> open_menus(DWORD pid);
// Keys as the open menu's loop reads them. Posted, so they come before any mouse movement the
// system queues meanwhile, whose pointer may rest on the menu that opened under it.
void press_keys(HWND menu, std::initializer_list<UINT> keys);
std::wstring text_of(HWND window);
std::vector<char> file_bytes(const std::wstring& path);
// Whether a stand-in program (its Windows path) was started with `argument` quoted in its command line,
// once it has noted that line in "started.txt" beside itself (then removed for the next start).
bool stand_in_handed(const std::wstring& stand_in, const std::wstring& argument);
std::wstring control_text(HWND parent, int id);
// A message box's text: Windows gives its label the id 0xFFFF, Wine 100.
std::wstring message_box_text(HWND box);
using test_support::DebugOutput;

// The screen area as 24-bit rows, bottom-up as a BMP keeps them.
std::vector<char> screen_bits(const RECT& r, BITMAPINFOHEADER& header);
// Saves the screen area of the window (or the whole screen) as a BMP under screenshots/.
void save_screenshot(HWND window, const std::string& name);

}  // namespace e2e
