// What the bench programs share: the message pump, a clock, and the programs they start and find.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

inline void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

inline double now_ms() {
  LARGE_INTEGER ticks, frequency;
  QueryPerformanceCounter(&ticks);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(ticks.QuadPart) / double(frequency.QuadPart);
}

inline bool wait_until(const std::function<bool()>& condition, int timeout_ms = 30'000) {
  for (int waited = 0; waited < timeout_ms; waited += 20) {
    if (condition()) return true;
    Sleep(20);
  }
  return false;
}

// A top-level window of the process with this class.
inline HWND window_of(DWORD pid, const wchar_t* class_name) {
  for (HWND w = FindWindowExW(nullptr, nullptr, class_name, nullptr); w;
       w = FindWindowExW(nullptr, w, class_name, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid) return w;
  }
  return nullptr;
}

// A program started from its path, given `grace` ms to end by itself when this goes and ended then
// if it has not; an earlier end must be asked for.
struct Started {
  PROCESS_INFORMATION info{};
  DWORD grace;

  explicit Started(const std::wstring& program, DWORD grace = 0) : grace(grace) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  }
  ~Started() {
    if (WaitForSingleObject(info.hProcess, grace) != WAIT_OBJECT_0) {
      TerminateProcess(info.hProcess, 1);
      WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;
  explicit operator bool() const { return info.hProcess != nullptr; }
};
