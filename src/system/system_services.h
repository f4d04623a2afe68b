// What the program asks of the system that tests must control or must not really do. Each call says
// what it is for; the Win32 details (flags, show commands, owners) stay behind it. The program uses
// Win32Services; tests hand the windows a recording fake.
#pragma once

#include <shellapi.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  // The dpi of the taskbar, where the tray shows its pictures: a window moved to another monitor
  // does not take the tray along.
  virtual int taskbar_dpi() = 0;

  // The optimiser's run, on a thread of its own: see system/memory_fill.h.
  virtual FillOutcome fill_memory(std::uint64_t count, StopToken stop) = 0;

  // Shell commands, each one call whose result nobody looks at.
  // The Recycle Bins of all drives, with the shell's own confirmation, progress and sound.
  virtual void empty_recycle_bin(HWND owner) = 0;
  virtual void clear_recent_documents() = 0;
  // Opens a file with its registered program, `folder` as the working folder.
  virtual void open_file(HWND owner, const std::wstring& file, const std::wstring& folder) = 0;
  // Opens an address (a web page, "mailto:...") as the desktop would.
  virtual void open_link(const std::wstring& address) = 0;
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
};

}  // namespace tamarak
