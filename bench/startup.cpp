// Start-up time: from process creation to the program's icon appearing in the tray, for
// tamarak.exe against the bare window-plus-icon program, alternating runs in the same session.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/e2e/driver.h"
#include "harness.h"

namespace {

constexpr int kRuns = 7;

BOOL CALLBACK close_windows_of(HWND window, LPARAM pid) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(pid)) PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Milliseconds until the tray shows one icon more than before the start; negative on failure.
double time_to_icon(const std::wstring& program) {
  const int before = e2e::tray_icon_count();
  double elapsed = -1;
  {  // the process is ended at the end of the block, then its icon waited away
    const double start = now_ms();
    const Started process(program, 10'000);
    if (!process) return -1;
    while (elapsed < 0 && now_ms() - start < 20'000)
      if (e2e::tray_icon_count() > before) elapsed = now_ms() - start;
    // A close as another program's End task sends it: both programs take their icon away and end.
    EnumWindows(close_windows_of, static_cast<LPARAM>(process.info.dwProcessId));
  }
  e2e::wait_until([&] { return e2e::tray_icon_count() == before; }, 5000);
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup TAMARAK.EXE BARE.EXE\n");
    return 2;
  }
  std::vector<double> tamarak, bare;
  for (int i = 0; i < kRuns; ++i) {
    tamarak.push_back(time_to_icon(argv[1]));
    bare.push_back(time_to_icon(argv[2]));
  }
  const double t = median(tamarak), b = median(bare);
  std::printf("process creation to tray icon, median of %d   tamarak.exe %.1f ms   bare %.1f ms   ratio %.2f\n", kRuns,
              t, b, t / b);
  return t > 0 && b > 0 ? 0 : 1;
}
