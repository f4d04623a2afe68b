// What a process holds, as the tests and benchmarks count it: GDI objects, windows, memory.
#pragma once

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdlib>

// Wine's major version, 0 on Windows.
inline int wine_major_version() {
  using Version = const char*(__cdecl*)();
  const auto version = reinterpret_cast<Version>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
  return version ? std::atoi(version()) : 0;
}

// How many GDI objects this process holds. Windows answers GetGuiResources; Wine does not, but its
// per-process GDI handle table (from the PEB) shows every live object. Wine 10 keeps copies of a
// window's region (SetWindowRgn) as the window is shown, minimised or destroyed, where Windows frees
// them (docs/testing.md): there regions are left out of the count.
inline int gdi_object_count() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(counted);
  // Entries are 24 bytes; the type byte at offset 14 is cleared when the object is deleted.
  constexpr size_t kPebGdiTable = 0xF8, kEntrySize = 24, kTypeOffset = 14, kEntries = 65536;
  constexpr BYTE kRegion = 4;
  const bool regions = wine_major_version() < 10;
  PROCESS_BASIC_INFORMATION process{};
  NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr);
  auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
  auto* table = *reinterpret_cast<const BYTE* const*>(peb + kPebGdiTable);
  if (!table) return -1;
  int live = 0;
  for (size_t i = 0; i < kEntries; ++i)
    if (const BYTE type = table[i * kEntrySize + kTypeOffset]; type != 0 && (regions || type != kRegion)) ++live;
  return live;
}

// The windows of this thread, their child windows included.
inline int thread_window_count() {
  struct Counter {
    static BOOL CALLBACK count(HWND window, LPARAM total) {
      ++*reinterpret_cast<int*>(total);
      EnumChildWindows(window, count, total);
      return TRUE;
    }
  };
  int total = 0;
  EnumThreadWindows(GetCurrentThreadId(), Counter::count, reinterpret_cast<LPARAM>(&total));
  return total;
}

inline PROCESS_MEMORY_COUNTERS_EX memory_of(HANDLE process = GetCurrentProcess()) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters;
}

// Private bytes on Windows; Wine reports 0 there and the resident anonymous memory in the page-file
// figure.
inline SIZE_T committed_bytes(const PROCESS_MEMORY_COUNTERS_EX& counters) {
  return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}
