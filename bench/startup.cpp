// Start-up time: from process creation to the program's icon appearing in the tray, for
// tamarak.exe against the bare window-plus-icon program, alternating runs in the same session.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/e2e/driver.h"

namespace {

constexpr int kRuns = 7;

double now_ms() {
  LARGE_INTEGER ticks, frequency;
  QueryPerformanceCounter(&ticks);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(ticks.QuadPart) / double(frequency.QuadPart);
}

BOOL CALLBACK close_windows_of(HWND window, LPARAM pid) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(pid)) PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Milliseconds until the tray shows one icon more than before the start; negative on failure.
double time_to_icon(const std::wstring& program) {
  const int before = e2e::tray_icon_count();
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = now_ms();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  double elapsed = -1;
  while (now_ms() - start < 20'000) {
    if (e2e::tray_icon_count() > before) {
      elapsed = now_ms() - start;
      break;
    }
  }
  // A close as another program's End task sends it: both programs take their icon away and end.
  EnumWindows(close_windows_of, static_cast<LPARAM>(process.dwProcessId));
  if (WaitForSingleObject(process.hProcess, 10'000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  e2e::wait_until([&] { return e2e::tray_icon_count() == before; }, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
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
