#include <windows.h>

#include "app/frmSysTray.h"
#include "base/dll_search.h"
#include "base/message_loop.h"
#include "system/win32_services.h"
#include "ui/win32_prompts.h"

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
