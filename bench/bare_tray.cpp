// The footprint baseline: a hidden window with one tray icon and a two-second timer, nothing else.
#include <windows.h>
#include <shellapi.h>

#include "bare_icon.h"

namespace {

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    NOTIFYICONDATAW record = bare_icon(window, 100);
    Shell_NotifyIconW(NIM_MODIFY, &record);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = window_proc;
  wc.hInstance = instance;
  wc.lpszClassName = L"BareTray";
  RegisterClassW(&wc);
  const HWND window =
      CreateWindowW(L"BareTray", L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, instance, nullptr);
  NOTIFYICONDATAW record = bare_icon(window, 100);
  Shell_NotifyIconW(NIM_ADD, &record);
  SetTimer(window, 1, 2000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  Shell_NotifyIconW(NIM_DELETE, &record);
  return 0;
}
