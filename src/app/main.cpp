#include <windows.h>
#include <ole2.h>

#include <cstdlib>

#include "app/frmSysTray.h"
#include "app/win32_services.h"

// The library's own terminate handler prints the exception's demangled type name, which brings the
// whole demangler (45 KB) into the program; a program without a console has nowhere to print it.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// Before anything loads a DLL: the program may be started from a Downloads folder full of
// strangers' DLLs. Looked up at run time, as Windows 7 without its loader update lacks it.
void load_dlls_from_system32_only() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set_directories = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set_directories) set_directories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// OLE for this thread, for as long as any window may take a drop.
class OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ok_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool ok_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  load_dlls_from_system32_only();
  const OleSession ole;

  tamarak::Win32Services system;
  tamarak::ProgramLifetime lifetime;
  tamarak::Form<tamarak::frmSysTray> main_window(system, lifetime);
  if (!main_window.create()) return 1;
  main_window.Form_Load();

  MSG msg;
  while (lifetime.open_windows() > 0 && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    const HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
