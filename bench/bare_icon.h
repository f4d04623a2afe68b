// The bare baseline's tray icon: a system picture and a short tip, nothing drawn.
#pragma once

#include <windows.h>
#include <shellapi.h>

inline NOTIFYICONDATAW bare_icon(HWND window, UINT id) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = id;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = WM_USER + 100;
  record.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpyW(record.szTip, L"bare");
  return record;
}
