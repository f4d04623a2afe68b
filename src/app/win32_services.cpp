#include "app/win32_services.h"

#include <shlobj.h>

#include <string>

namespace tamarak {

MemorySample Win32Services::memory_status() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  return {status.dwMemoryLoad,    status.ullTotalPhys,    status.ullAvailPhys,   status.ullTotalPageFile,
          status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

unsigned long Win32Services::os_major_version() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&info);
#pragma GCC diagnostic pop
  return info.dwMajorVersion;
}

bool Win32Services::notify_icon(DWORD operation, const NOTIFYICONDATAW& record) {
  NOTIFYICONDATAW copy = record;
  return Shell_NotifyIconW(operation, &copy) != FALSE;
}

int Win32Services::message_box(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) {
  return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

UINT Win32Services::track_popup_menu(HWND owner, HMENU menu, POINT where) {
  return static_cast<UINT>(
      TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, where.x, where.y, owner, nullptr));
}

bool Win32Services::another_instance_running() {
  // Held for the whole run; the system drops it when the process ends, however it ends.
  if (!instance_mutex_) {
    instance_mutex_.reset(CreateMutexW(nullptr, FALSE, L"Local\\Tamarak-3.0-resident"));
    another_copy_ = instance_mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
  }
  return another_copy_;
}

void Win32Services::empty_recycle_bin(HWND owner, const wchar_t* root, DWORD flags) {
  SHEmptyRecycleBinW(owner, root, flags);
}

void Win32Services::add_to_recent_documents(UINT flags, const void* data) { SHAddToRecentDocs(flags, data); }

void Win32Services::shell_execute(HWND owner, const wchar_t* operation, const std::wstring& file,
                                  const wchar_t* parameters, const std::wstring& directory, int show) {
  ShellExecuteW(owner, operation, file.c_str(), parameters, directory.c_str(), show);
}

std::uint64_t Win32Services::milliseconds_since_start() { return GetTickCount64(); }

}  // namespace tamarak
