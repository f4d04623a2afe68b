// Footprint of tamarak.exe idle in the tray against the bare window-plus-icon program, both
// started together and measured after the same idle time; then what tamarak.exe keeps after its
// window was shown once and hidden again, and after each tool window was opened and closed.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "../tests/win/process_counts.h"
#include "app/commands.h"
#include "harness.h"

namespace {

double private_mb(const PROCESS_MEMORY_COUNTERS_EX& c) { return committed_bytes(c) / 1e6; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: footprint TAMARAK.EXE BARE.EXE [SECONDS]\n");
    return 2;
  }
  const int seconds = argc > 3 ? _wtoi(argv[3]) : 60;
  const Started tamarak(argv[1]), bare(argv[2]);
  Sleep(seconds * 1000);
  const auto t = memory_of(tamarak.info.hProcess), b = memory_of(bare.info.hProcess);
  std::printf("after %d s idle:        tamarak.exe    bare program   ratio (goal <= 1.10)\n", seconds);
  std::printf("private bytes (MB)      %8.2f       %8.2f       %.2f%s\n", private_mb(t), private_mb(b),
              private_mb(t) / private_mb(b), private_mb(t) / private_mb(b) <= 1.10 ? "" : "  GOAL MISSED");
  std::printf("working set (MB)        %8.2f       %8.2f       %.2f\n", t.WorkingSetSize / 1e6, b.WorkingSetSize / 1e6,
              double(t.WorkingSetSize) / b.WorkingSetSize);

  // What comes back: each step ends with the window or tool window gone, then a short idle.
  const DWORD pid = tamarak.info.dwProcessId;
  const HWND main = window_of(pid, L"TamarakMain");
  if (!main) return 1;
  const double idle = private_mb(t);
  const auto after = [&](DWORD settle_ms, const char* what) {
    Sleep(settle_ms);
    const double now = private_mb(memory_of(tamarak.info.hProcess));
    std::printf("%-44s %6.2f MB  (%+.2f MB on the idle figure)\n", what, now, now - idle);
  };
  PostMessageW(main, WM_USER + 100, 100, WM_LBUTTONDBLCLK);
  wait_until([&] { return IsWindowVisible(main); });
  after(1000, "main window shown");
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  wait_until([&] { return !IsWindowVisible(main); });
  after(5000, "shown once and hidden again");
  const struct {
    UINT command;
    const wchar_t* window_class;
    const char* what;
  } tools[] = {{tamarak::mnuFileApp, L"TamarakAppRun", "process list opened and closed"},
               {tamarak::mnuFileClip, L"TamarakClip", "clipboard window opened and closed"},
               {tamarak::mnuFileIp, L"TamarakIp", "IP/OS window opened and closed"}};
  for (const auto& tool : tools) {
    PostMessageW(main, WM_COMMAND, tool.command, 0);
    HWND window = nullptr;
    wait_until([&] { return (window = window_of(pid, tool.window_class)) && IsWindowVisible(window); });
    Sleep(500);
    PostMessageW(window, WM_CLOSE, 0, 0);
    wait_until([&] { return !IsWindow(window); });
    after(5000, tool.what);
  }
  return 0;
}
