#include <windows.h>

#include <cstddef>
#include <cstdlib>

#include "app/frmSysTray.h"
#include "base/dll_search.h"
#include "base/message_loop.h"
#include "system/win32_services.h"
#include "ui/win32_prompts.h"

// The program is built without exceptions: a throw from the library (memory exhausted, a string past
// its maximum) ends it, as an exception escaping its code would. Ending it here, where the library
// would throw, keeps the whole exception runtime out of the program (its unwinder, its thread-local
// state over the pthreads emulation, the exception classes and the old strings they carry: 92 KB).
// The library's own terminate handler would bring the demangler too.
namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std

void* operator new(std::size_t size) {
  if (void* block = std::malloc(size ? size : 1)) return block;
  std::abort();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tamarak::load_dlls_from_system32_only();

  tamarak::Win32Services system;
  tamarak::ProgramLifetime lifetime;
  tamarak::Win32Prompts prompts;
  tamarak::Form<tamarak::frmSysTray> main_window(system, prompts, lifetime);
  if (!main_window.create()) return 1;
  main_window.Form_Load();
  tamarak::run_messages([&] { return lifetime.open_windows() == 0; });
  return 0;
}
