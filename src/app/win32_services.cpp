#include "app/win32_services.h"

#include <shlobj.h>
#include <tlhelp32.h>
#include <winsock2.h>
#include <ws2tcpip.h>

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

UINT Win32Services::taskbar_created_message() { return RegisterWindowMessageW(L"TaskbarCreated"); }

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
    // A copy running elevated holds a mutex this one may not open: that is another copy too.
    const DWORD error = GetLastError();
    another_copy_ = instance_mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
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

UtcTime Win32Services::utc_now() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::optional<std::vector<std::wstring>> Win32Services::running_processes() {
  const HANDLE raw = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (raw == INVALID_HANDLE_VALUE) return std::nullopt;
  const OwnedHandle snapshot(raw);
  std::vector<std::wstring> names;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(raw, &entry); more; more = Process32NextW(raw, &entry))
    names.emplace_back(entry.szExeFile);
  return names;
}

namespace {

// Winsock wants a session around every use; these are rare enough to open one each time.
class WinsockSession {
 public:
  WinsockSession() : ok_(WSAStartup(MAKEWORD(2, 2), &data_) == 0) {}
  ~WinsockSession() {
    if (ok_) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  explicit operator bool() const { return ok_; }

 private:
  WSADATA data_;
  bool ok_;
};

std::wstring local_host_name() {
  char name[256] = "";
  if (gethostname(name, sizeof name) != 0) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, name, -1, wide.data(), n);
  return wide;
}

}  // namespace

std::wstring Win32Services::host_name() {
  const WinsockSession winsock;
  return winsock ? local_host_name() : std::wstring{};
}

std::wstring Win32Services::host_address() {
  const WinsockSession winsock;
  if (!winsock) return {};
  const std::wstring host = local_host_name();
  if (host.empty()) return {};
  ADDRINFOW hints{};
  hints.ai_family = AF_INET;
  ADDRINFOW* found = nullptr;
  if (GetAddrInfoW(host.c_str(), nullptr, &hints, &found) != 0 || !found) return {};
  wchar_t text[INET_ADDRSTRLEN] = L"";
  InetNtopW(AF_INET, &reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr, text, INET_ADDRSTRLEN);
  FreeAddrInfoW(found);
  return text;
}

OsVersion Win32Services::os_version() {
  // RtlGetVersion tells the truth whatever the manifest says; GetVersionEx is the fallback.
  RTL_OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  using GetVersion = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
  const auto rtl_get_version = reinterpret_cast<GetVersion>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  if (!rtl_get_version || rtl_get_version(&info) != 0) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
#pragma GCC diagnostic pop
  }
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

void Win32Services::run_modal(HWND window) {
  MSG msg;
  while (IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      // The program is ending: leave the quit request for the main loop too.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    const HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool Win32Services::start_program(const std::wstring& path, int show) {
  // The path goes in as the program to run and, quoted, as the command line: an unquoted path with
  // blanks would let the system try "C:\Program.exe" and the like first.
  std::wstring command_line = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

int Win32Services::small_icon_size(int dpi) {
  // Windows 10 1607 and later answer for any dpi; before them the system dpi is the only one.
  using ForDpi = int(WINAPI*)(int, UINT);
  static const auto for_dpi = reinterpret_cast<ForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
  return for_dpi ? for_dpi(SM_CXSMICON, dpi) : GetSystemMetrics(SM_CXSMICON);
}

}  // namespace tamarak
