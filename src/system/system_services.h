// What the program asks of the system that tests must control or must not really do. Each call says
// what it is for; the Win32 details (flags, show commands, owners) stay behind it. The program uses
// Win32Services; tests hand the windows a recording fake.
#pragma once

#include <shellapi.h>
#include <sherrors.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/colour_mode.h"
#include "base/failure_note.h"
#include "base/handles.h"
#include "base/sessions.h"
#include "system/app_mode.h"
#include "system/stop_token.h"
#include "system/values.h"

namespace tamarak {

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // Start-up.
  // 0 when the query fails, which the start-up check treats as too old.
  virtual unsigned long os_major_version() = 0;
  // True when another copy of the program already runs; the first caller becomes that copy.
  virtual bool another_instance_running() = 0;

  // Memory and the tray.
  virtual MemorySample memory_status() = 0;
  virtual bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) = 0;
  // The message the shell broadcasts when the taskbar is (re)created; 0 when it cannot be registered.
  virtual UINT taskbar_created_message() = 0;
  // The shell's small icon size, in pixels, at `dpi`.
  virtual int small_icon_size(int dpi) = 0;
  // Where the shell shows the icon, in screen pixels (Windows 7 and later).
  virtual std::optional<RECT> tray_icon_rect(HWND window, UINT id) = 0;
  // The dpi of the taskbar, where the tray shows its pictures: a window moved to another monitor
  // does not take the tray along.
  virtual int taskbar_dpi() = 0;
  // Lets `message` reach `window` from a process of lower integrity (the shell's TaskbarCreated, to a
  // copy started as administrator); false when the system refuses.
  virtual bool allow_message(HWND window, UINT message) = 0;

  // Whether anyone can see the program. Windows 8 and later tell a window of the display of its own
  // session (a Remote Desktop one included); Windows 7 only of the console's.
  virtual bool windows_8_or_later() = 0;
  // WM_POWERBROADCAST to `window` for the power `setting`: its value at once, then every change.
  virtual OwnedPowerNotification watch_power_setting(HWND window, const GUID& setting) = 0;
  // WM_WTSSESSION_CHANGE to `window` for its session's locks and connections, until unwatched; false
  // when the system refuses.
  virtual bool watch_session(HWND window) = 0;
  virtual void unwatch_session(HWND window) = 0;

  // The user's high contrast setting: while it is on, the windows draw in the system's colours.
  virtual bool high_contrast() = 0;
  // The user's "show animations in Windows" setting: while it is off, nothing moves on its own.
  virtual bool animations() = 0;
  // The user's app mode: true while apps are to be dark.
  virtual bool dark_app_mode() = 0;
  // How `window` is to draw, and its title bar and the system's menus in the mode: system/app_mode.h.
  ColourMode follow_app_mode(HWND window) { return app_mode_.follow(*this, window); }
  // uxtheme's export of this number, uxtheme loaded from System32 only; null where it has none.
  virtual FARPROC uxtheme_export(WORD ordinal) = 0;
  // Asks the system to run the program efficiently (EcoQoS: slower, on efficient cores) or at full
  // speed; false where it refuses, as every Windows before 10 1709 does.
  virtual bool run_efficiently(bool on) = 0;

  // The optimiser's run, on a thread of its own: see system/memory_fill.h.
  virtual FillOutcome fill_memory(std::uint64_t count, StopToken stop) = 0;
  // That thread, running `routine`; null, the last error set, when the system has none to give.
  virtual HANDLE start_thread(LPTHREAD_START_ROUTINE routine, void* data) = 0;

  // Shell commands, each one call whose result nobody looks at. COM comes first on the calling
  // thread, as the shell asks: the handler it starts may be a COM server. It comes with the first
  // command, so the hidden program never loads it.
  // The Recycle Bins of all drives, with the shell's own confirmation, progress and sound.
  void empty_recycle_bin(HWND owner) {
    with_com(), NOTE_IF_FAILED(unless_empty_or_declined(shell_empty_recycle_bin(owner)));
  }
  void clear_recent_documents() { with_com(), shell_clear_recent_documents(); }
  // Opens a file with its registered program, `folder` as the working folder.
  void open_file(HWND owner, const std::wstring& file, const std::wstring& folder) {
    with_com(), shell_open_file(owner, file, folder);
  }
  // Opens an address (a web page, "mailto:...") as the desktop would.
  void open_link(const std::wstring& address) { with_com(), shell_open_link(address); }
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

  // The system information launcher.
  // One value, opened with query rights only: a standard user may not write to HKEY_LOCAL_MACHINE,
  // and asking for more would make every key count as missing for them.
  virtual RegistryValue read_registry_value(HKEY root, const std::wstring& key_path,
                                            const std::wstring& value_name) = 0;
  // What a plain directory listing shows: no folders, hidden or system files.
  virtual bool is_ordinary_file(const std::wstring& path) = 0;
  // Starts a program file in a normal window, not waiting for it; false when it cannot be started.
  virtual bool start_program(const std::wstring& path) = 0;

 protected:
  virtual HRESULT shell_empty_recycle_bin(HWND owner) = 0;
  virtual void shell_clear_recent_documents() = 0;
  virtual void shell_open_file(HWND owner, const std::wstring& file, const std::wstring& folder) = 0;
  virtual void shell_open_link(const std::wstring& address) = 0;

 private:
  // The shell's answers for a bin that was already empty (S_FALSE, or E_UNEXPECTED) and for a user who
  // declined its confirmation (a cancel): no failure of the program's, nothing to note.
  static HRESULT unless_empty_or_declined(HRESULT answer) {
    const bool declined = answer == HRESULT_FROM_WIN32(ERROR_CANCELLED) || answer == COPYENGINE_E_USER_CANCELLED;
    return answer == E_UNEXPECTED || declined ? S_FALSE : answer;
  }
  void with_com() {
    if (!com_) com_.emplace();
  }
  std::optional<ComSession> com_;
  AppMode app_mode_;
};

}  // namespace tamarak
