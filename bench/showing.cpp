// What the hidden resident state holds and what showing the window costs: GDI objects after
// start-up against a bare hidden window with one tray icon, and the time from the tray double-click
// to the window painted, the first time (its panel made as the pointer came to the icon) and a
// later time.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>

#include "../tests/win/process_counts.h"
#include "app/frmSysTray.h"
#include "bare_icon.h"
#include "harness.h"
#include "monitor/tray_icon.h"
#include "system/win32_services.h"
#include "ui/win32_prompts.h"

namespace {

// GDI objects a bare hidden window with one tray icon holds.
int bare_objects() {
  const int before = gdi_object_count();
  const HWND window =
      CreateWindowW(L"STATIC", L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  NOTIFYICONDATAW record = bare_icon(window, 1);
  Shell_NotifyIconW(NIM_ADD, &record);
  pump();
  const int held = gdi_object_count() - before;
  Shell_NotifyIconW(NIM_DELETE, &record);
  DestroyWindow(window);
  return held;
}

}  // namespace

int wmain() {
  const int bare = bare_objects();
  tamarak::Win32Services system;
  tamarak::ProgramLifetime lifetime;
  const int before = gdi_object_count();
  tamarak::Win32Prompts prompts;
  tamarak::Form<tamarak::frmSysTray> main(system, prompts, lifetime);
  if (!main.create()) return 1;
  main.Form_Load();
  pump();
  std::printf("GDI objects held hidden after start-up: tamarak %d, bare window + icon %d\n",
              gdi_object_count() - before, bare);

  const auto show = [&] {
    const double start = now_ms();
    SendMessageW(main.hwnd(), tamarak::kTrayCallbackMessage, tamarak::kTrayIconId, WM_LBUTTONDBLCLK);
    RedrawWindow(main.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return now_ms() - start;
  };
  // The pointer comes to rest on the icon first.
  SendMessageW(main.hwnd(), tamarak::kTrayCallbackMessage, tamarak::kTrayIconId, WM_MOUSEMOVE);
  const double first = show();
  SendMessageW(main.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  pump();
  const double later = show();
  std::printf("tray double-click to the window painted: first %.1f ms (goal < 100), later %.1f ms\n", first, later);
  DestroyWindow(main.hwnd());
  return 0;
}
