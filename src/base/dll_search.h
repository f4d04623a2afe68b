// Where the program's executables let DLLs come from.
#pragma once

#include <windows.h>

#include "base/failure_note.h"
#include "base/system_function.h"

namespace tamarak {

// Before anything loads a DLL: an executable may be started from a Downloads folder full of
// strangers' DLLs. Looked up at run time, as Windows 7 without its loader update lacks it.
inline void load_dlls_from_system32_only() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set_directories = system_function<SetDirectories>(L"kernel32.dll", "SetDefaultDllDirectories");
  if (set_directories) NOTE_IF_FALSE(set_directories(LOAD_LIBRARY_SEARCH_SYSTEM32));
}

}  // namespace tamarak
