// Stands in for a version.dll a stranger left in a Downloads folder beside the program. It does the
// real library's work, so whatever loads it keeps running, and notes beside itself which module
// called it. (Wine's own user32 imports version.dll, which the system's does not, so under Wine the
// note is how a use by the program is told from Wine's.)
#include <windows.h>

#include <cwchar>

namespace {

HMODULE real_library() {
  static const HMODULE library = [] {
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    lstrcpyW(path + length, L"\\version.dll");
    return LoadLibraryW(path);
  }();
  return library;
}

template <class Function>
Function real(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(real_library(), name)));
}

HMODULE self() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&self), &module);
  return module;
}

// Appends the path of the module the call came from to "version.dll.calls".
void note_caller(void* return_address) {
  HMODULE caller = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     static_cast<LPCWSTR>(return_address), &caller);
  wchar_t note[MAX_PATH + 8], line[MAX_PATH + 2];
  const DWORD length = GetModuleFileNameW(self(), note, MAX_PATH);
  lstrcpyW(note + length, L".calls");
  const DWORD line_length = GetModuleFileNameW(caller, line, MAX_PATH);
  lstrcpyW(line + line_length, L"\n");
  const HANDLE file = CreateFileW(note, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, line, (line_length + 1) * sizeof(wchar_t), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

extern "C" {

DWORD WINAPI planted_size(LPCWSTR file, LPDWORD handle) {
  note_caller(__builtin_return_address(0));
  return real<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>("GetFileVersionInfoSizeW")(file, handle);
}

BOOL WINAPI planted_info(LPCWSTR file, DWORD handle, DWORD size, LPVOID data) {
  note_caller(__builtin_return_address(0));
  return real<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>("GetFileVersionInfoW")(file, handle, size, data);
}

BOOL WINAPI planted_query(LPCVOID block, LPCWSTR query, LPVOID* buffer, PUINT length) {
  note_caller(__builtin_return_address(0));
  return real<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>("VerQueryValueW")(block, query, buffer, length);
}

}  // extern "C"
