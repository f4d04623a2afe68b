// Footprint of tamarak.exe idle in the tray against the bare window-plus-icon program, both
// started together and measured after the same idle time.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Started {
  PROCESS_INFORMATION info{};
  explicit Started(std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  }
  ~Started() {
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  PROCESS_MEMORY_COUNTERS_EX memory() const {
    PROCESS_MEMORY_COUNTERS_EX c{};
    c.cb = sizeof c;
    GetProcessMemoryInfo(info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&c), sizeof c);
    return c;
  }
};

// Windows: private bytes. Wine reports 0 there and the resident anonymous memory in PagefileUsage.
double private_mb(const PROCESS_MEMORY_COUNTERS_EX& c) { return (c.PrivateUsage ? c.PrivateUsage : c.PagefileUsage) / 1e6; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: footprint TAMARAK.EXE BARE.EXE [SECONDS]\n");
    return 2;
  }
  const int seconds = argc > 3 ? _wtoi(argv[3]) : 60;
  Started tamarak(std::wstring(L"\"") + argv[1] + L"\"");
  Started bare(std::wstring(L"\"") + argv[2] + L"\"");
  Sleep(seconds * 1000);
  const auto t = tamarak.memory(), b = bare.memory();
  std::printf("after %d s idle:        tamarak.exe    bare program   ratio (goal <= 1.10)\n", seconds);
  std::printf("private bytes (MB)      %8.2f       %8.2f       %.2f%s\n", private_mb(t), private_mb(b),
              private_mb(t) / private_mb(b), private_mb(t) / private_mb(b) <= 1.10 ? "" : "  GOAL MISSED");
  std::printf("working set (MB)        %8.2f       %8.2f       %.2f\n", t.WorkingSetSize / 1e6, b.WorkingSetSize / 1e6,
              double(t.WorkingSetSize) / b.WorkingSetSize);
  return 0;
}
