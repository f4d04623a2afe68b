#include "system/win32_services.h"

#include <shlobj.h>
#include <tlhelp32.h>
#include <versionhelpers.h>
#include <winsock2.h>
#include <ws2tcpip.h>
#include <wtsapi32.h>

#include <string>

#include "base/failure_note.h"
#include "base/screen_dpi.h"
#include "base/sessions.h"
#include "base/system_function.h"
#include "system/memory_fill.h"

namespace tamarak {

namespace {

// Winsock's calls answer SOCKET_ERROR and leave their code to WSAGetLastError.
int winsock_code(int result) { return result == 0 ? 0 : WSAGetLastError(); }

std::wstring local_host_name() {
  char name[256] = "";
  if (NOTE_IF_ERROR(winsock_code(gethostname(name, sizeof name))) != 0) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, name, -1, wide.data(), n);
  return wide;
}

void open_with_shell(HWND owner, const std::wstring& target, const wchar_t* folder, int show) {
  NOTE_IF_SHELL_FAILED(ShellExecuteW(owner, L"open", target.c_str(), nullptr, folder, show));
}

}  // namespace

unsigned long Win32Services::os_major_version() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  NOTE_IF_FALSE(GetVersionExW(&info));
#pragma GCC diagnostic pop
  return info.dwMajorVersion;
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

MemorySample Win32Services::memory_status() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  NOTE_IF_FALSE(GlobalMemoryStatusEx(&status));
  return {status.dwMemoryLoad,     status.ullTotalPhys,    status.ullAvailPhys,   status.ullTotalPageFile,
          status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

bool Win32Services::notify_icon(DWORD operation, const NOTIFYICONDATAW& record) {
  NOTIFYICONDATAW copy = record;
  return Shell_NotifyIconW(operation, &copy) != FALSE;
}

UINT Win32Services::taskbar_created_message() { return NOTE_IF_FALSE(RegisterWindowMessageW(L"TaskbarCreated")); }

int Win32Services::small_icon_size(int dpi) {
  // Windows 10 1607 and later answer for any dpi; before them the system dpi is the only one.
  using ForDpi = int(WINAPI*)(int, UINT);
  static const auto for_dpi = system_function<ForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
  return for_dpi ? for_dpi(SM_CXSMICON, dpi) : GetSystemMetrics(SM_CXSMICON);
}

FillOutcome Win32Services::fill_memory(std::uint64_t count, StopToken stop) { return fill_and_release(count, stop); }

HANDLE Win32Services::start_thread(LPTHREAD_START_ROUTINE routine, void* data) {
  return CreateThread(nullptr, 0, routine, data, 0, nullptr);
}

std::optional<RECT> Win32Services::tray_icon_rect(HWND window, UINT id) {
  using GetRect = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
  static auto get_rect = system_function<GetRect>(L"shell32.dll", "Shell_NotifyIconGetRect");
  NOTIFYICONIDENTIFIER icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = id;
  RECT where;
  const HRESULT result = get_rect ? NOTE_IF_FAILED(get_rect(&icon, &where)) : E_NOTIMPL;
  // A shell that has it only as a stub (Wine's) is asked no more, as one without it.
  if (result == E_NOTIMPL) get_rect = nullptr;
  if (FAILED(result)) return std::nullopt;
  return where;
}

int Win32Services::taskbar_dpi() { return window_dpi(FindWindowW(L"Shell_TrayWnd", nullptr)); }

bool Win32Services::allow_message(HWND window, UINT message) {
  return NOTE_IF_FALSE(ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr));
}

bool Win32Services::windows_8_or_later() { return IsWindows8OrGreater(); }

OwnedPowerNotification Win32Services::watch_power_setting(HWND window, const GUID& setting) {
  return OwnedPowerNotification(
      NOTE_IF_NULL(RegisterPowerSettingNotification(window, &setting, DEVICE_NOTIFY_WINDOW_HANDLE)));
}

bool Win32Services::watch_session(HWND window) {
  return NOTE_IF_FALSE(WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION));
}

void Win32Services::unwatch_session(HWND window) { WTSUnRegisterSessionNotification(window); }

bool Win32Services::high_contrast() {
  HIGHCONTRASTW setting{};
  setting.cbSize = sizeof setting;
  return NOTE_IF_FALSE(SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0)) &&
         (setting.dwFlags & HCF_HIGHCONTRASTON);
}

// Where the setting cannot be read, animations are on, as they are by default.
bool Win32Services::animations() {
  BOOL on = TRUE;
  return !NOTE_IF_FALSE(SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0)) || on;
}

// Missing (before Windows 10 1809, or never set) is light.
bool Win32Services::dark_app_mode() {
  DWORD light = 1, size = sizeof light;
  RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
               L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
  return light == 0;
}

FARPROC Win32Services::uxtheme_export(WORD ordinal) {
  static const HMODULE uxtheme = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return uxtheme ? GetProcAddress(uxtheme, MAKEINTRESOURCEA(ordinal)) : nullptr;
}

// Windows 8 and later have the call; 10 1709 and later take the throttling. A refusal is the system's
// answer that it has none (Wine's too), not a failure to note.
bool Win32Services::run_efficiently(bool on) {
  using SetInformation = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, void*, DWORD);
  static const auto set_information = system_function<SetInformation>(L"kernel32.dll", "SetProcessInformation");
  PROCESS_POWER_THROTTLING_STATE state{PROCESS_POWER_THROTTLING_CURRENT_VERSION,
                                       PROCESS_POWER_THROTTLING_EXECUTION_SPEED,
                                       on ? PROCESS_POWER_THROTTLING_EXECUTION_SPEED : 0u};
  return set_information && set_information(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);
}

// An empty root (not a null one) selects the Recycle Bins of all drives; flags 0 leaves the
// confirmation, progress and sound to the shell.
HRESULT Win32Services::shell_empty_recycle_bin(HWND owner) { return SHEmptyRecycleBinW(owner, L"", 0); }

void Win32Services::shell_clear_recent_documents() { SHAddToRecentDocs(SHARD_PATHW, nullptr); }

void Win32Services::shell_open_file(HWND owner, const std::wstring& file, const std::wstring& folder) {
  open_with_shell(owner, file, folder.c_str(), SW_SHOWNORMAL);
}

void Win32Services::shell_open_link(const std::wstring& address) {
  open_with_shell(GetDesktopWindow(), address, L"", SW_SHOW);
}

std::uint64_t Win32Services::milliseconds_since_start() { return GetTickCount64(); }

UtcTime Win32Services::utc_now() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::optional<std::vector<std::wstring>> Win32Services::running_processes() {
  const OwnedSnapshot snapshot(NOTE_IF_INVALID(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)));
  if (!snapshot) return std::nullopt;
  const HANDLE raw = snapshot.get().handle;
  std::vector<std::wstring> names;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(raw, &entry); more; more = Process32NextW(raw, &entry))
    names.emplace_back(entry.szExeFile);
  return names;
}

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
  ADDRINFOW* list = nullptr;
  if (NOTE_IF_ERROR(GetAddrInfoW(host.c_str(), nullptr, &hints, &list)) != 0 || !list) return {};
  const OwnedAddressList found(list);
  wchar_t text[INET_ADDRSTRLEN] = L"";
  NOTE_IF_NULL(
      InetNtopW(AF_INET, &reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr, text, INET_ADDRSTRLEN));
  return text;
}

OsVersion Win32Services::os_version() {
  // RtlGetVersion tells the truth whatever the manifest says (GetVersionEx stops at the version the
  // manifest names); every ntdll since Windows 2000 has it, and it cannot fail.
  RTL_OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  using GetVersion = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
  if (const auto rtl_get_version = system_function<GetVersion>(L"ntdll.dll", "RtlGetVersion")) rtl_get_version(&info);
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

RegistryValue Win32Services::read_registry_value(HKEY root, const std::wstring& key_path,
                                                 const std::wstring& value_name) {
  RegistryValue value;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key_path.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return value;
  const OwnedKey key(opened);
  DWORD type = 0, size = static_cast<DWORD>(value.buffer.size());
  value.queried =
      RegQueryValueExW(key.get(), value_name.c_str(), nullptr, &type, value.buffer.data(), &size) == ERROR_SUCCESS;
  value.type = type;
  value.size = size;
  return value;
}

bool Win32Services::is_ordinary_file(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

bool Win32Services::start_program(const std::wstring& path) {
  // The path goes in as the program to run and, quoted, as the command line: an unquoted path with
  // blanks would let the system try "C:\Program.exe" and the like first.
  std::wstring command_line = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  const OwnedProcess started(process);  // not waited for
  return true;
}

}  // namespace tamarak
