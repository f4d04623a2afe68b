// A recording stand-in for the system: fixed memory figures, and every tray call, message box and
// popup menu kept for the test to read, so no test blocks on a modal loop.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/system_services.h"

namespace tamarak {

struct TrayCall {
  DWORD operation;
  NOTIFYICONDATAW record;
};

struct ShellCall {
  std::string what;  // the call: "recycle", "recent" or "execute"
  HWND owner = nullptr;
  bool null_text = false;  // the root path, data or parameters pointer was null
  std::string text;        // root path, or file for "execute"
  std::string operation, directory;
  UINT flags = 0;  // flags, or the show command for "execute"
};

struct ProgramStart {
  std::string path;
  int show;
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

class FakeSystem : public SystemServices {
 public:
  MemorySample memory{25, 268'435'456, 100'000'000, 500'000'000, 250'000'000, 2'147'352'576, 2'000'000'000};
  unsigned long major_version = 10;
  FakeShell shell;
  UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
  bool another_copy = false;
  UINT popup_choice = 0;

  std::vector<TrayCall> tray_calls;
  std::vector<MessageBoxCall> message_boxes;
  std::function<void()> while_message_box;  // the test acts there as the user would while the box is up
  std::vector<HMENU> popups;

  MemorySample memory_status() override { return memory; }
  unsigned long os_major_version() override { return major_version; }
  bool notify_icon(DWORD operation, const NOTIFYICONDATAW& record) override;
  UINT taskbar_created_message() override { return taskbar_created; }
  int message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override;
  UINT track_popup_menu(HWND owner, HMENU menu, POINT where) override;
  bool another_instance_running() override { return another_copy; }

  std::uint64_t uptime_ms = 0;
  std::vector<ShellCall> shell_calls;
  HCURSOR cursor_at_message_box = nullptr;  // the pointer while the last message box was up

  void empty_recycle_bin(HWND owner, const wchar_t* root, DWORD flags) override;
  void add_to_recent_documents(UINT flags, const void* data) override;
  void shell_execute(HWND owner, const wchar_t* operation, const std::wstring& file, const wchar_t* parameters,
                     const std::wstring& directory, int show) override;
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
  std::vector<ProgramStart> program_starts;
  bool programs_start = true;

  void run_modal(HWND window) override;
  bool start_program(const std::wstring& path, int show) override;

  // The small icon grows with the dpi as Windows grows it: 16 at 96 dpi, 24 at 144, 32 at 192.
  int small_icon_at_96_dpi = 16;
  int small_icon_size(int dpi) override { return MulDiv(small_icon_at_96_dpi, dpi, 96); }
};

}  // namespace tamarak
