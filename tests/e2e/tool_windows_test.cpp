#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/commands.h"
#include "drag_files.h"
#include "driver.h"
#include "fake_file_data.h"
#include "tools/frmAppRun_design.h"
#include "tools/frmClip_design.h"
#include "tools/frmIp_design.h"
#include "ui/design.h"

namespace e2e {
namespace {

using namespace tamarak;

class ToolWindows : public ProgramTest {
 protected:
  HWND open(UINT menu_item, const wchar_t* class_name, const char* caption) {
    PostMessageW(main, WM_COMMAND, menu_item, 0);
    const HWND window = wait_for_window(program.pid(), class_name, widen(caption));
    wait_until([&] { return window && IsWindowVisible(window); });
    return window;
  }
  // Waits until the program has handled everything posted to it so far.
  void settle(HWND window) { SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr); }
};

std::vector<std::wstring> list_lines(HWND list) {
  std::vector<std::wstring> lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t line[512] = L"";
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
    lines.push_back(line);
  }
  return lines;
}

std::set<std::wstring> running_names() {
  std::set<std::wstring> names;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    names.insert(entry.szExeFile);
  CloseHandle(snapshot);
  return names;
}

// The time line for a UTC reading, worked out here from the system's own calendar arithmetic.
std::wstring japan_time_line(const SYSTEMTIME& utc) {
  FILETIME file;
  SystemTimeToFileTime(&utc, &file);
  ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
  ticks.QuadPart += 9ull * 3600 * 10'000'000;
  // Japan's first hour after midnight is written as the 24th of the ending day.
  if (utc.wHour == 15) ticks.QuadPart -= 3600ull * 10'000'000;
  file = {ticks.LowPart, ticks.HighPart};
  SYSTEMTIME japan;
  FileTimeToSystemTime(&file, &japan);
  const int hour = utc.wHour == 15 ? 24 : japan.wHour;
  return L"  " + std::to_wstring(japan.wYear) + L"年" + std::to_wstring(japan.wMonth) + L"月" +
         std::to_wstring(japan.wDay) + L"日 " + std::to_wstring(hour) + L"時" + std::to_wstring(japan.wMinute) + L"分" +
         std::to_wstring(japan.wSecond) + (utc.wHour <= 15 ? L"秒　現在" : L"秒 現在");
}

TEST_F(ToolWindows, CaptureListsWinesProcessesWithTheirCount) {
  const HWND window = open(mnuFileApp, L"TamarakAppRun", frmAppRun_design::kCaption);
  ASSERT_TRUE(window);
  const HWND list = GetDlgItem(window, frmAppRun_design::List1);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);

  const std::set<std::wstring> before = running_names();
  SYSTEMTIME start, end;
  GetSystemTime(&start);
  PostMessageW(GetDlgItem(window, frmAppRun_design::Command1), BM_CLICK, 0, 0);
  ASSERT_TRUE(wait_until([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) > 7; }));
  settle(window);
  GetSystemTime(&end);
  const std::set<std::wstring> after = running_names();

  const std::vector<std::wstring> lines = list_lines(list);
  ASSERT_GE(lines.size(), 10u);
  const size_t names = lines.size() - 7;
  // The summary's frame is the unit tests'; here the time and the count it gives.
  const std::vector<std::wstring> summary(lines.begin() + names, lines.end());
  EXPECT_TRUE(summary[2] == japan_time_line(start) || summary[2] == japan_time_line(end)) << summary[2].size();
  EXPECT_EQ(summary[3], L"  " + std::to_wstring(names) + L" 個の内部プロセスが動作しています");

  // Every process that ran throughout is listed, under the name the system gives it.
  const std::set<std::wstring> listed(lines.begin(), lines.begin() + names);
  for (const std::wstring& name : before) {
    if (after.count(name)) {
      EXPECT_TRUE(listed.count(name)) << "missing a process of " << name.size() << " chars";
    }
  }
  EXPECT_TRUE(listed.count(L"tamarak.exe") && listed.count(L"e2e_tests.exe"));
  save_screenshot(window, "frmAppRun");

  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(window); }));
  const HWND again = open(mnuFileApp, L"TamarakAppRun", frmAppRun_design::kCaption);
  ASSERT_TRUE(again);
  EXPECT_EQ(SendMessageW(GetDlgItem(again, frmAppRun_design::List1), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ToolWindows, IpWindowShowsTheHostAsWinsockSeesIt) {
  WSADATA winsock;
  ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &winsock), 0);
  char host[256] = "";
  ASSERT_EQ(gethostname(host, sizeof host), 0);
  std::wstring address;
  ADDRINFOA hints{};
  hints.ai_family = AF_INET;
  ADDRINFOA* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) == 0 && found) {
    char text[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr, text, sizeof text);
    address.assign(text, text + std::char_traits<char>::length(text));
    freeaddrinfo(found);
  }
  WSACleanup();

  const HWND window = open(mnuFileIp, L"TamarakIp", frmIp_design::kCaption);
  ASSERT_TRUE(window);
  EXPECT_EQ(control_text(window, frmIp_design::txtPc), std::wstring(host, host + std::char_traits<char>::length(host)));
  EXPECT_EQ(control_text(window, frmIp_design::txtIp), address);
  EXPECT_EQ(control_text(window, frmIp_design::txtOsName), L"Windows NT");
  // Our prefix claims Windows 10.
  EXPECT_EQ(control_text(window, frmIp_design::txtOsVer), L"10");
  EXPECT_FALSE(control_text(window, frmIp_design::txtOsBuild).empty());
  save_screenshot(window, "frmIp");

  // The app mode switched as Windows switches it, the registry first, then the broadcast: the window
  // follows live, and back again, as the prefix had it.
  const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
  DWORD light = 1, size = sizeof light;
  RegGetValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
  const auto become = [&](DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  };
  RECT inside;
  GetClientRect(window, &inside);
  POINT at{3, inside.bottom / 2};
  ClientToScreen(window, &at);
  const HDC screen = GetDC(nullptr);
  const auto backdrop_is = [&](DWORD light_mode) {
    const COLORREF backdrop = light_mode ? GetSysColor(COLOR_BTNFACE) : dark_colour(COLOR_BTNFACE);
    return wait_until([&] { return GetPixel(screen, at.x, at.y) == backdrop; });
  };
  become(!light);
  EXPECT_TRUE(backdrop_is(!light));
  save_screenshot(window, light ? "frmIp-dark" : "frmIp-light");
  become(light);
  EXPECT_TRUE(backdrop_is(light));
  ReleaseDC(nullptr, screen);
}

class ClipDrops : public ToolWindows {
 protected:
  HWND window = nullptr, box = nullptr;

  void SetUp() override {
    ToolWindows::SetUp();
    window = open(mnuFileClip, L"TamarakClip", frmClip_design::kCaption);
    ASSERT_TRUE(window);
    box = GetDlgItem(window, frmClip_design::txtList);
    ASSERT_TRUE(box);
  }
  POINT box_centre() const {
    RECT r;
    GetWindowRect(box, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

TEST_F(ClipDrops, LeftDragPastesFullPathsAndRightDragOffersNames) {
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  const std::vector<std::wstring> files{L"C:\\Data\\報告書 2002.txt", L"C:\\b.txt"};
  const DragOutcome left = drag_files(files, box_centre(), false);
  EXPECT_EQ(left, (DragOutcome{DRAGDROP_S_DROP, DROPEFFECT_COPY}));
  settle(window);
  EXPECT_EQ(text_of(box), L"C:\\Data\\報告書 2002.txt\r\nC:\\b.txt\r\n");

  // Right button: the menu comes up at the drop point; the second item pastes bare names.
  bool menu_seen = false;
  POINT menu_at{};
  const DragOutcome right = drag_files(files, box_centre(), true, [&] {
    const HWND menu = wait_for_menu();
    menu_seen = menu != nullptr;
    if (!menu_seen) return;
    RECT r;
    GetWindowRect(menu, &r);
    menu_at = {r.left, r.top};
    save_screenshot(nullptr, "frmClip-drop-menu");
    press_keys(menu, {VK_HOME, VK_DOWN, VK_RETURN});
  });
  EXPECT_TRUE(menu_seen);
  EXPECT_NEAR(menu_at.x, box_centre().x, 2);
  EXPECT_NEAR(menu_at.y, box_centre().y, 2);
  EXPECT_EQ(right, (DragOutcome{DRAGDROP_S_DROP, DROPEFFECT_COPY}));
  settle(window);
  EXPECT_EQ(text_of(box), L"C:\\Data\\報告書 2002.txt\r\nC:\\b.txt\r\n報告書 2002.txt\r\nb.txt\r\n");
  save_screenshot(window, "frmClip");
}

// The control that has the keyboard focus in the program's window thread.
HWND focus_of(HWND window) {
  GUITHREADINFO info{sizeof info};
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

TEST_F(ToolWindows, EachUsedByKeysAlone) {
  // The process list: Enter captures from its focused button; Escape closes it.
  const HWND app = open(mnuFileApp, L"TamarakAppRun", frmAppRun_design::kCaption);
  ASSERT_TRUE(wait_until([&] { return focus_of(app) == GetDlgItem(app, frmAppRun_design::Command1); }));
  PostMessageW(focus_of(app), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(wait_until([&] { return !list_lines(GetDlgItem(app, frmAppRun_design::List1)).empty(); }));
  PostMessageW(focus_of(app), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(wait_until([&] { return !IsWindow(app); }));

  // IP/OS: the facts take no typing; Tab goes from box to box; Escape closes it.
  const HWND ip = open(mnuFileIp, L"TamarakIp", frmIp_design::kCaption);
  ASSERT_TRUE(wait_until([&] { return focus_of(ip) == GetDlgItem(ip, frmIp_design::txtIp); }));
  const std::wstring address = control_text(ip, frmIp_design::txtIp);
  PostMessageW(focus_of(ip), WM_CHAR, L'x', 0);
  PostMessageW(focus_of(ip), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(wait_until([&] { return focus_of(ip) == GetDlgItem(ip, frmIp_design::txtPc); }));
  EXPECT_EQ(control_text(ip, frmIp_design::txtIp), address);
  PostMessageW(focus_of(ip), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(wait_until([&] { return !IsWindow(ip); }));

  // The clipboard: files copied as Explorer copies them, pasted by Ctrl+V (the character it types)
  // with each choice of the menu at the caret taken by its access key; Escape keeps everything.
  const HWND clip = open(mnuFileClip, L"TamarakClip", frmClip_design::kCaption);
  const HWND box = GetDlgItem(clip, frmClip_design::txtList);
  ASSERT_TRUE(test_support::set_clipboard(
      CF_HDROP, test_support::FakeFileData({L"C:\\報告書 2002.txt", L"C:\\b.txt"}).file_list()));
  for (wchar_t key : {L'f', L'n'}) {
    PostMessageW(box, WM_CHAR, 0x16, 0);
    const HWND menu = wait_for_menu();
    ASSERT_TRUE(menu) << char(key);
    PostMessageW(menu, WM_CHAR, key, 0);
    ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).empty(); }));
  }
  settle(clip);
  const std::wstring pasted = L"C:\\報告書 2002.txt\r\nC:\\b.txt\r\n報告書 2002.txt\r\nb.txt\r\n";
  EXPECT_EQ(text_of(box), pasted);
  PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
  settle(clip);
  EXPECT_TRUE(IsWindowVisible(clip));
  EXPECT_EQ(text_of(box), pasted);
}

}  // namespace
}  // namespace e2e
