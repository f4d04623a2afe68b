// Tamarak's SS: the program's own screen saver, started by the shell's open action for .scr files
// with /S, by the Control Panel with /p or /c, and by Tamarak's menu item オリジナル.
#include <windows.h>

#include <cstdlib>

#include "base/dll_search.h"
#include "base/handles.h"
#include "saver/saver_rules.h"
#include "saver/saver_window.h"

namespace {

HWND as_window(std::uintptr_t value) { return reinterpret_cast<HWND>(value); }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  tamarak::load_dlls_from_system32_only();

  // The whole line: the library's split of it breaks at the blank in an unquoted "Tamarak's SS.scr".
  const tamarak::SaverRequest request = tamarak::saver_request(GetCommandLineW());
  switch (request.mode) {
    case tamarak::SaverMode::full_screen: {
      // One full screen at a time: the system, a hot corner and the program's menu may all start one.
      const tamarak::OwnedHandle running(CreateMutexW(nullptr, FALSE, L"Local\\Tamarak's SS full screen"));
      if (!running || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
      tamarak::run_saver(instance, nullptr);
      return 0;
    }
    case tamarak::SaverMode::preview:
      // A handle of a window already gone, or never one, ends it before anything is made.
      if (IsWindow(as_window(request.window))) tamarak::run_saver(instance, as_window(request.window));
      return 0;
    case tamarak::SaverMode::settings: {
      const HWND owner = IsWindow(as_window(request.window)) ? as_window(request.window) : nullptr;
      MessageBoxW(owner,
                  L"Tamarak's SS には設定する項目がありません。\n\n"
                  L"メモリ使用率のメーターと数値を、黒い画面の上でゆっくり動かしながら 2 秒ごとに表示します。",
                  L"Tamarak's SS", MB_OK | MB_ICONINFORMATION);
      return 0;
    }
    case tamarak::SaverMode::end: return 0;
  }
  return 0;
}
