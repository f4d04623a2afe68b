// A recording stand-in for the system: fixed memory figures, and every tray call, message box and
// popup menu kept for the test to read, so no test blocks on a modal loop.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/program_lifetime.h"
#include "base/screen_dpi.h"
#include "system/system_services.h"
#include "ui/prompts.h"

namespace tamarak {

struct TrayCall {
  DWORD operation;
  NOTIFYICONDATAW record;
};

struct ShellCall {
  std::string what;  // the call: "recycle", "recent", "open file" or "open link"
  HWND owner = nullptr;
  std::string file, folder;   // the file or address opened, and the working folder
  bool in_apartment = false;  // COM was up on the calling thread, apartment-threaded
};

struct MessageBoxCall {
  HWND owner;
  std::string text, title;
  UINT style;
};

// The shell's side of the tray, as Explorer (and Wine's tray) answers: an add of an icon it holds
// fails, a modify or delete of one it does not hold fails. A busy shell refuses everything; one that
// times out does the work but reports failure.
struct FakeShell {
  enum class Answers { normally, refusing, timing_out };
  Answers answers = Answers::normally;
  std::map<std::pair<HWND, UINT>, NOTIFYICONDATAW> icons;

  bool notify(DWORD operation, const NOTIFYICONDATAW& record);
  // What the tray shows for the icon, if it holds it.
  const NOTIFYICONDATAW* shown(HWND window, UINT id) const;
};

class FakeSystem : public SystemServices, public Prompts {
 public:
  MemorySample memory{25, 268'435'456, 100'000'000, 500'000'000, 250'000'000, 2'147'352'576, 2'000'000'000};
  unsigned long major_version = 10;
  FakeShell shell;
  UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
  bool another_copy = false;
  // What the user picks from a popup menu: the item with this caption, searched in the menu and its
  // submenus, or else this command id; 0 dismisses it.
  std::string popup_pick;
  UINT popup_choice = 0;
  bool popup_by_key = false;  // dismissed by Escape rather than by a click elsewhere

  std::vector<TrayCall> tray_calls;
  std::vector<MessageBoxCall> message_boxes;
  std::function<void()> while_message_box;  // the test acts there as the user would while the box is up
  std::vector<HMENU> popups;

  MemorySample memory_status() override { return memory; }

  // Optimiser runs fill memory for real, on their own thread; while `fill_gate` is set and not
  // signalled they wait first, so a test can act during a run.
  HANDLE fill_gate = nullptr;
  std::atomic<int> fills{0};
  std::atomic<std::uint64_t> last_fill_count{0};  // the strings the last run was asked to write, less one
  FillOutcome fill_memory(std::uint64_t count, StopToken stop) override;
  bool threads_refused = false;  // as when the process has no memory left for a stack
  HANDLE start_thread(LPTHREAD_START_ROUTINE routine, void* data) override;
  unsigned long os_major_version() override { return major_version; }
  bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) override;
  UINT taskbar_created_message() override { return taskbar_created; }
  int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
  // Windows refuses the foreground to a program that did not take the last input (after a drop
  // from another program, say).
  bool foreground_granted = true;
  std::vector<bool> popups_in_front;
  bool bring_to_front(HWND) override { return foreground_granted; }
  MenuChoice track_popup_menu(HWND owner, HMENU menu, POINT where, bool in_front) override;
  bool another_instance_running() override { return another_copy; }

  std::uint64_t uptime_ms = 0;
  std::vector<ShellCall> shell_calls;
  HCURSOR cursor_at_message_box = nullptr;  // the pointer while the last message box was up

  HRESULT recycle_answer = S_OK;  // or an empty bin's or a decline's answer (docs/testing.md)
  HRESULT shell_empty_recycle_bin(HWND owner) override;
  void shell_clear_recent_documents() override;
  void shell_open_file(HWND owner, const std::wstring& file, const std::wstring& folder) override;
  void shell_open_link(const std::wstring& address) override;
  std::uint64_t milliseconds_since_start() override { return uptime_ms; }

  UtcTime utc{2002, 2, 24, 3, 5, 7};
  std::optional<std::vector<std::wstring>> processes = std::vector<std::wstring>{};
  std::wstring host = L"TAMARAK-PC", address = L"192.168.0.5";
  OsVersion os{2, 10, 0, 19045};
  std::vector<std::string> tool_queries;  // "utc", "processes", "host", "address", "os", in the order asked
  std::vector<POINT> popup_points;

  UtcTime utc_now() override;
  std::optional<std::vector<std::wstring>> running_processes() override;
  std::wstring host_name() override;
  std::wstring host_address() override;
  OsVersion os_version() override;

  // The modal showing returns at once, after running `while_modal`: the test acts there as the user
  // would while the window is up.
  std::vector<HWND> modal_windows;
  std::function<void(HWND)> while_modal;
  void run_modal(HWND window) override;

  // The registry under the launcher's eyes: values by key path and name, as stored.
  struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };
  std::map<std::pair<std::wstring, std::wstring>, StoredValue> registry;
  std::vector<std::wstring> ordinary_files;
  std::vector<std::string> program_starts;
  bool programs_start = true;

  RegistryValue read_registry_value(HKEY root, const std::wstring& key_path, const std::wstring& value_name) override;
  bool is_ordinary_file(const std::wstring& path) override;
  bool start_program(const std::wstring& path) override;

  // The small icon grows with the dpi as Windows grows it: 16 at 96 dpi, 24 at 144, 32 at 192.
  int small_icon_at_96_dpi = 16;
  int small_icon_size(int dpi) override { return MulDiv(small_icon_at_96_dpi, dpi, 96); }
  int taskbar = screen_dpi();
  int taskbar_dpi() override { return taskbar; }
  std::vector<std::pair<HWND, UINT>> allowed_messages;
  bool allow_message(HWND window, UINT message) override { return allowed_messages.push_back({window, message}), true; }
  // The windows told of a power setting or of their session, and what Windows tells them.
  std::vector<std::pair<HWND, GUID>> power_watches;
  std::vector<HWND> session_watches;
  bool windows_8_or_later() override { return os.major > 6 || (os.major == 6 && os.minor >= 2); }
  OwnedPowerNotification watch_power_setting(HWND window, const GUID& setting) override {
    power_watches.push_back({window, setting});
    return OwnedPowerNotification(RegisterPowerSettingNotification(window, &setting, DEVICE_NOTIFY_WINDOW_HANDLE));
  }
  bool watch_session(HWND window) override { return session_watches.push_back(window), true; }
  void unwatch_session(HWND window) override { std::erase(session_watches, window); }
  void tell_power_setting(const GUID& setting, DWORD value);  // 0 off, 1 on, 2 dimmed
  void tell_session(WPARAM event) {
    for (HWND w : session_watches) SendMessageW(w, WM_WTSSESSION_CHANGE, event, 0);
  }
  bool high_contrast_on = false;  // which Wine cannot turn on: the tests do it here
  bool high_contrast() override { return high_contrast_on; }
  bool animations_on = true;
  bool animations() override { return animations_on; }
  bool dark_mode_on = false;  // AppsUseLightTheme 0
  bool dark_app_mode() override { return dark_mode_on; }
  // uxtheme's unnamed exports (Windows 10 1903 on) but `missing_export`, calls kept: "135 1", "136", "133".
  WORD missing_export = 0;
  std::vector<std::string> theme_calls;
  FARPROC uxtheme_export(WORD ordinal) override;
  // The efficiency (EcoQoS) asked of the system, in order; refused as before Windows 10 1709.
  std::vector<bool> efficiency;
  bool efficiency_refused = false;
  bool run_efficiently(bool on) override { return efficiency.push_back(on), !efficiency_refused; }
  // Where the shell shows the icon (nothing: a shell before Windows 7), and the user's pointer.
  std::optional<RECT> icon_rect;
  std::optional<RECT> tray_icon_rect(HWND, UINT) override { return icon_rect; }
  std::optional<POINT> pointer = POINT{400, 300};
  std::optional<POINT> pointer_position() override { return pointer; }
  // What a screen reader is told of each control beyond what the system finds.
  std::map<HWND, Annotation> annotations;
  void annotate(HWND control, const Annotation& annotation) override { annotations[control] = annotation; }
  void clear_annotation(HWND control) override { annotations.erase(control); }
};

}  // namespace tamarak
