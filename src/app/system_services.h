// What the program asks of the system that tests must control or must not really do. The program
// uses Win32Services; tests hand the windows a recording fake.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/memory_figures.h"
#include "tools/os_texts.h"
#include "tools/process_capture.h"

namespace tamarak {

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  virtual MemorySample memory_status() = 0;
  // 0 when the query fails, which the start-up check treats as too old.
  virtual unsigned long os_major_version() = 0;
  virtual bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) = 0;
  // The message the shell broadcasts when the taskbar is (re)created; 0 when it cannot be registered.
  virtual UINT taskbar_created_message() = 0;
  virtual int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) = 0;
  // Runs the popup menu modally at `where`; the chosen command id, or 0 when dismissed.
  virtual UINT track_popup_menu(HWND owner, HMENU menu, POINT where) = 0;
  // True when another copy of the program already runs; the first caller becomes that copy.
  virtual bool another_instance_running() = 0;

  // Shell commands, each one call whose result nobody looks at.
  virtual void empty_recycle_bin(HWND owner, const wchar_t* root, DWORD flags) = 0;
  virtual void add_to_recent_documents(UINT flags, const void* data) = 0;
  virtual void shell_execute(HWND owner, const wchar_t* operation, const std::wstring& file,
                             const wchar_t* parameters, const std::wstring& directory, int show) = 0;
  virtual std::uint64_t milliseconds_since_start() = 0;

  // Tool windows.
  virtual UtcTime utc_now() = 0;
  // The executable names of the running processes, exactly as the system reports them; nothing when
  // no snapshot could be taken.
  virtual std::optional<std::vector<std::wstring>> running_processes() = 0;
  virtual std::wstring host_name() = 0;
  // The host's first IPv4 address in dotted decimal; empty when it has none.
  virtual std::wstring host_address() = 0;
  virtual OsVersion os_version() = 0;

  // About window.
  // Runs the message loop until `window` is gone: the About window's modal showing.
  virtual void run_modal(HWND window) = 0;
  // Starts a program file, not waiting for it; false when it cannot be started.
  virtual bool start_program(const std::wstring& path, int show) = 0;

  // Tray picture.
  // The shell's small icon size, in pixels, at `dpi`.
  virtual int small_icon_size(int dpi) = 0;
};

}  // namespace tamarak
