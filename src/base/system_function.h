// A function of a system DLL, looked up at run time where older Windows lacks it.
#pragma once

#include <windows.h>

namespace tamarak {

// Null where this Windows does not have it (or the DLL is not loaded).
template <class Function>
Function system_function(const wchar_t* library, const char* name) {
  // Through void (*)(), the function pointer type that both compilers take as fitting any other.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(library), name)));
}

}  // namespace tamarak
