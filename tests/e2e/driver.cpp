#include "driver.h"

#include <algorithm>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <vector>

namespace e2e {

std::wstring windows_path(const char* unix_path) {
  std::wstring path = L"Z:";
  for (const wchar_t c : widen(unix_path)) path += c == L'/' ? L'\\' : c;
  return path;
}

namespace {

// This process's environment with `extra` set on top, as CreateProcessW takes it.
std::wstring environment_with(const std::vector<std::wstring>& extra) {
  std::wstring block;
  const wchar_t* const own = GetEnvironmentStringsW();
  for (const wchar_t* entry = own; *entry; entry += wcslen(entry) + 1) {
    const std::wstring_view variable(entry);
    const bool replaced = std::any_of(extra.begin(), extra.end(), [&](const std::wstring& e) {
      return variable.substr(0, variable.find(L'=', 1) + 1) == e.substr(0, e.find(L'=', 1) + 1);
    });
    if (!replaced) block.append(variable) += L'\0';
  }
  FreeEnvironmentStringsW(const_cast<wchar_t*>(own));
  for (const std::wstring& e : extra) block.append(e) += L'\0';
  return block + L'\0';
}

}  // namespace

Program::Program(const std::wstring& path, const std::vector<std::wstring>& environment, const std::wstring& arguments,
                 bool unquoted) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const std::wstring shown = unquoted ? path : L"\"" + path + L"\"";
  std::wstring command = shown + (arguments.empty() ? L"" : L" " + arguments);
  std::wstring block = environment.empty() ? L"" : environment_with(environment);
  // Named, the file is not looked for in the line: Wine would quote a path it found there.
  CreateProcessW(unquoted ? path.c_str() : nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                 environment.empty() ? nullptr : block.data(), nullptr, &startup, &info_);
}

Program::~Program() {
  if (!info_.hProcess) return;
  if (running()) {
    // Ended as a log-off ends it, so its tray icon goes with it instead of lingering into the next
    // test; forced only when that does not work.
    if (const HWND main = find_window(pid(), L"TamarakMain", widen(tamarak::kMainCaption)))
      PostMessageW(main, WM_ENDSESSION, TRUE, 0);
    if (!wait_for_exit()) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 5000);
    }
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool wait_until(const std::function<bool()>& condition, DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    // What other processes send the test's own windows is answered meanwhile.
    for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
    Sleep(20);
  }
  return true;
}

HWND find_window(DWORD pid, const wchar_t* class_name, const std::wstring& caption) {
  struct Search {
    DWORD pid;
    const wchar_t* class_name;
    const std::wstring& caption;
    HWND found = nullptr;
  } search{pid, class_name, caption};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t cls[64];
        GetClassNameW(window, cls, 64);
        if (owner != s.pid || text_of(window) != s.caption) return TRUE;
        if (s.class_name && std::wstring(cls) != s.class_name) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND wait_for_window(DWORD pid, const wchar_t* class_name, const std::wstring& caption) {
  HWND found = nullptr;
  wait_until([&] { return (found = find_window(pid, class_name, caption)) != nullptr; });
  return found;
}

std::wstring text_of(HWND window) {
  wchar_t buffer[512] = L"";
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

std::vector<char> file_bytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool stand_in_handed(const std::wstring& stand_in, const std::wstring& argument) {
  const std::wstring noted = stand_in.substr(0, stand_in.rfind(L'\\')) + L"\\started.txt";
  if (!wait_until([&] { return GetFileAttributesW(noted.c_str()) != INVALID_FILE_ATTRIBUTES; })) return false;
  const std::vector<char> bytes = file_bytes(noted);
  DeleteFileW(noted.c_str());
  const std::wstring line(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  return line.find(L" \"" + argument + L"\"") != std::wstring::npos;
}

std::wstring control_text(HWND parent, int id) { return text_of(GetDlgItem(parent, id)); }

std::wstring message_box_text(HWND box) {
  const std::wstring text = control_text(box, 0xFFFF);
  return text.empty() ? control_text(box, 100) : text;
}

HWND wait_for_main_window(DWORD pid) { return wait_for_window(pid, L"TamarakMain", widen(tamarak::kMainCaption)); }

bool show_main_window(HWND main) {
  post_tray_callback(main, WM_LBUTTONDBLCLK);
  return wait_until([&] { return IsWindowVisible(main); });
}

HWND wait_for_menu() {
  HWND menu = nullptr;
  wait_until([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); });
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

std::vector<HWND> open_menus(DWORD pid) {
  std::pair<DWORD, std::vector<HWND>> search{pid, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& [pid, found] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t cls[16];
        GetClassNameW(window, cls, 16);
        if (owner == pid && std::wstring(cls) == L"#32768" && IsWindowVisible(window)) found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

void press_keys(HWND menu, std::initializer_list<UINT> keys) {
  for (UINT key : keys) PostMessageW(menu, WM_KEYDOWN, key, 0);
}

int tray_icon_count() {
  // Wine 8 shows the icons in a window titled "Wine System Tray"; Wine 10 in an untitled Shell_TrayWnd,
  // each icon a child window either way.
  const HWND titled = FindWindowW(nullptr, L"Wine System Tray"), untitled = FindWindowW(L"Shell_TrayWnd", nullptr);
  int count = 0;
  for (const HWND tray : {titled, untitled != titled ? untitled : nullptr}) {
    if (!tray || !IsWindowVisible(tray)) continue;
    for (HWND child = GetWindow(tray, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (IsWindowVisible(child)) ++count;
  }
  return count;
}

std::vector<char> screen_bits(const RECT& r, BITMAPINFOHEADER& header) {
  header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), r.right - r.left, r.bottom - r.top, 1, 24};
  const DWORD stride = (header.biWidth * 3 + 3) & ~3;
  std::vector<char> bits(static_cast<size_t>(stride) * header.biHeight);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, header.biWidth, header.biHeight);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, header.biHeight, bits.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return bits;
}

void save_screenshot(HWND window, const std::string& name) {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (window) {
    // Paint messages wait for an idle queue: have the window finish painting first.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    GetWindowRect(window, &r);
  }
  // A menu or a box just opened is drawn a moment later on the X server: the picture is taken once
  // two captures agree (the marquee never settles, so at most a second's worth are tried).
  BITMAPINFOHEADER header;
  std::vector<char> bits = screen_bits(r, header);
  for (int tries = 0; tries < 20; ++tries) {
    Sleep(50);
    std::vector<char> again = screen_bits(r, header);
    if (again == bits) break;
    bits = std::move(again);
  }
  const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof header;
  const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(headers + bits.size()), 0, 0, headers};
  CreateDirectoryW(L"screenshots", nullptr);
  std::ofstream out("screenshots/" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(bits.data(), static_cast<std::streamsize>(bits.size()));
}

}  // namespace e2e
