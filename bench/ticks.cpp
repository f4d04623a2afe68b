// What the program costs in the tray over time: starts it, waits for its window, tells it the display
// is off (or leaves it on), and leaves it alone for a while. The script counts, in Wine's trace of
// that while, the program's calls to the shell (+systray) and the messages it woke for (+msg); the
// markers come through the debugger output (+debugstr), in the same stream.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>

#include "harness.h"

namespace {

// WM_POWERBROADCAST carries a pointer, which no process but the program can read: the setting is
// written into its memory, as the system would hand it over. Both the console's display and the
// session's go off: older builds watch the one, newer ones the other.
void display_off(HANDLE process, HWND window) {
  for (const GUID& display : {GUID{0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}},
                              GUID{0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}}}) {
    struct {
      POWERBROADCAST_SETTING head;
      BYTE rest[3];
    } setting{};
    setting.head.PowerSetting = display;
    setting.head.DataLength = sizeof(DWORD);
    void* there = VirtualAllocEx(process, nullptr, sizeof setting, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    WriteProcessMemory(process, there, &setting, sizeof setting, nullptr);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(there),
                        SMTO_ABORTIFHUNG, 5000, &answer);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: bench_ticks <program> <seconds> on|off\n");
    return 2;
  }
  // Given ten seconds to take its icon away and end after the close.
  const Started program(argv[1], 10'000);
  HWND window = nullptr;
  if (!wait_until([&] { return (window = window_of(program.info.dwProcessId, L"TamarakMain")) != nullptr; }, 20'000))
    return 1;
  Sleep(3000);  // past the start-up's own calls
  if (std::wcscmp(argv[3], L"off") == 0) display_off(program.info.hProcess, window);
  char marker[64];
  std::snprintf(marker, sizeof marker, "bench: from %04lx", static_cast<unsigned long>(program.info.dwProcessId));
  OutputDebugStringA(marker);
  Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10) * 1000));
  OutputDebugStringA("bench: to");
  PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}
