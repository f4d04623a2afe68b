// Weeks in the tray, fast-forwarded: a million refreshes with their tray operations (23 days of
// two-second ticks) and ten thousand showings and hidings of the main window, through the real
// system. Kernel handles, GDI objects and windows before and after (goal: no growth), and the time.
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../tests/win/process_counts.h"
#include "app/frmSysTray.h"
#include "harness.h"
#include "monitor/tray_icon.h"
#include "system/win32_services.h"
#include "ui/win32_prompts.h"

namespace {

// The system's handle list, as NtQuerySystemInformation(SystemHandleInformation) gives it.
struct HandleEntry {
  ULONG owner_pid;
  BYTE type, flags;
  USHORT value;
  PVOID object;
  ULONG access;
};

int kernel_handles() {
  std::vector<BYTE> buffer(1 << 20);
  constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
  NTSTATUS status;
  while ((status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                            nullptr)) == static_cast<NTSTATUS>(0xC0000004))
    buffer.resize(buffer.size() * 2);
  if (status != 0) return -1;
  const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
  const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
  int own = 0;
  for (ULONG i = 0; i < count; ++i)
    if (entries[i].owner_pid == GetCurrentProcessId()) ++own;
  return own;
}

struct Counts {
  int handles, gdi, windows;
};

Counts counts() { return {kernel_handles(), gdi_object_count(), thread_window_count()}; }

void report(const char* what, const Counts& before, const Counts& after, double seconds) {
  std::printf(
      "%-34s %8.1f s   handles %d -> %d   GDI %d -> %d   windows %d -> %d%s\n", what, seconds, before.handles,
      after.handles, before.gdi, after.gdi, before.windows, after.windows,
      after.handles == before.handles && after.gdi == before.gdi && after.windows == before.windows ? "" : "   GROWTH");
}

double seconds_since(ULONGLONG start) { return double(GetTickCount64() - start) / 1000.0; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const long refreshes = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 1'000'000;
  const long showings = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 10'000;
  tamarak::Win32Services system;
  tamarak::ProgramLifetime lifetime;
  tamarak::Win32Prompts prompts;
  tamarak::Form<tamarak::frmSysTray> main(system, prompts, lifetime);
  if (!main.create()) return 1;
  main.Form_Load();
  const HWND window = main.hwnd();
  // Warm-up: every band's picture sent once, the window shown and painted once.
  const auto show_hide = [&] {
    SendMessageW(window, tamarak::kTrayCallbackMessage, tamarak::kTrayIconId, WM_LBUTTONDBLCLK);
    UpdateWindow(window);
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
  };
  for (int i = 0; i < 10; ++i) SendMessageW(window, WM_TIMER, 1, 0);
  show_hide();

  Counts before = counts();
  ULONGLONG start = GetTickCount64();
  for (long i = 0; i < refreshes; ++i) {
    SendMessageW(window, WM_TIMER, 1, 0);
    if (i % 1000 == 0) pump();
  }
  pump();
  report((std::to_string(refreshes) + " hidden refreshes").c_str(), before, counts(), seconds_since(start));

  before = counts();
  start = GetTickCount64();
  for (long i = 0; i < showings; ++i) show_hide();
  report((std::to_string(showings) + " showings and hidings").c_str(), before, counts(), seconds_since(start));
  DestroyWindow(window);
  return 0;
}
