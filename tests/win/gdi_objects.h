// How many GDI objects this process holds. Windows answers GetGuiResources; Wine does not, but its
// per-process GDI handle table (from the PEB) shows every live object.
#pragma once

#include <windows.h>
#include <winternl.h>

inline int gdi_object_count() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(counted);
  // Entries are 24 bytes; the type byte at offset 14 is cleared when the object is deleted.
  constexpr size_t kPebGdiTable = 0xF8, kEntrySize = 24, kTypeOffset = 14, kEntries = 65536;
  PROCESS_BASIC_INFORMATION process{};
  NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr);
  auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
  auto* table = *reinterpret_cast<const BYTE* const*>(peb + kPebGdiTable);
  if (!table) return -1;
  int live = 0;
  for (size_t i = 0; i < kEntries; ++i)
    if (table[i * kEntrySize + kTypeOffset] != 0) ++live;
  return live;
}
