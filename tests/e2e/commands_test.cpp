#include "app/commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "base/display_state.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace tamarak;

class RunningProgram : public ProgramTest {
 protected:
  // The program's message box, once it is up; its text, then closed with OK. An optimiser run on a
  // busy machine may take minutes to write its share of the memory.
  std::wstring answer_message_box() {
    HWND box = nullptr;
    wait_until([&] { return (box = find_window(program.pid(), L"#32770", kTitle)) != nullptr || !program.running(); },
               240000);
    if (!box) return L"(no message box)";
    std::wstring text = message_box_text(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    wait_until([&] { return !IsWindow(box); });
    return text;
  }
};

TEST_F(RunningProgram, TwentyPercentRunFromThePopupAndFromTheButton) {
  // From the popup first, while the main window has never been shown: a window hidden just before
  // would still owe Wine its X focus-out, which cancels a menu opened meanwhile.
  // Right-click the icon, then walk the popup by keyboard from its first item: the optimiser
  // submenu is the third item, and " 20 %" the last of its items.
  post_tray_callback(main, WM_RBUTTONDOWN);
  ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).size() == 1; }));
  const HWND popup = open_menus(program.pid())[0];
  press_keys(popup, {VK_HOME, VK_DOWN, VK_DOWN, VK_RIGHT});
  ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).size() == 2; }))
      << open_menus(program.pid()).size() << " menus open";
  press_keys(popup, {VK_END, VK_RETURN});
  EXPECT_EQ(answer_message_box(), L"最適化完了 (・o・)");
  EXPECT_FALSE(IsWindowVisible(main));

  ASSERT_TRUE(show_main_window(main));
  const HWND button = GetDlgItem(main, cmdMemLow);
  ASSERT_TRUE(button);
  EXPECT_EQ(text_of(button), L"20 %");
  PostMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(answer_message_box(), L"最適化完了 (・o・)");
  EXPECT_TRUE(program.running());
}

// Writing gigabytes takes seconds: the window answers throughout, and takes no input meanwhile.
TEST_F(RunningProgram, MainWindowAnswersThroughoutARun) {
  ASSERT_TRUE(show_main_window(main));
  PostMessageW(GetDlgItem(main, cmdMemLow), BM_CLICK, 0, 0);
  ASSERT_TRUE(wait_until([&] { return !IsWindowEnabled(main); }));
  int answered = 0, unanswered = 0;
  HWND box = nullptr;
  while (!(box = find_window(program.pid(), L"#32770", kTitle)) && program.running()) {
    DWORD_PTR result = 0;
    (SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, &result) ? answered : unanswered)++;
    Sleep(50);
  }
  EXPECT_EQ(unanswered, 0);
  EXPECT_GT(answered, 0);
  EXPECT_EQ(answer_message_box(), L"最適化完了 (・o・)");
  EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(main); }));
}

// Nothing is said to the user of a help page that is not there (there is none beside the built
// program), but the debugger output has a line on it: where, the call as written, and the shell's
// code for a file not found.
TEST_F(RunningProgram, AFailureItGoesOnWithoutLeavesALineInTheDebuggerOutput) {
  DebugOutput debug;
  PostMessageW(main, WM_COMMAND, mnuHelpHelp, 0);
  const std::regex expected(R"(tamarak: open_with_shell:[0-9]+: ShellExecuteW\(.+\) \(error 2\)\n)");
  EXPECT_TRUE(wait_until([&] {
    for (const std::string& line : debug.lines_of(program.pid()))
      if (std::regex_match(line, expected)) return true;
    return false;
  }));
  EXPECT_EQ(find_window(program.pid(), L"#32770", kTitle), nullptr);
  EXPECT_TRUE(program.running());
}

TEST_F(RunningProgram, UptimeReportMatchesTheHostsUptime) {
  PostMessageW(main, WM_COMMAND, mnuFileTime, 0);
  const std::wstring text = answer_message_box();
  std::wsmatch parts;
  ASSERT_TRUE(std::regex_match(text, parts, std::wregex(L"起動してから，(\\d+)時間(\\d+)分(\\d+)秒 経過しました")))
      << text.size();
  const double reported = std::stod(parts[1]) * 3600 + std::stod(parts[2]) * 60 + std::stod(parts[3]);
  FILE* uptime = _wfopen(L"Z:\\proc\\uptime", L"r");
  ASSERT_TRUE(uptime);
  double host = 0;
  ASSERT_EQ(fscanf(uptime, "%lf", &host), 1);
  fclose(uptime);
  EXPECT_NEAR(reported, host, 30.0);
}

// The screen saver the menu item オリジナル opens, as Windows starts it: full screen, in the Control
// Panel's preview, for its settings, and with command lines it must refuse.
std::wstring handle_text(HWND window) { return std::to_wstring(reinterpret_cast<std::uintptr_t>(window)); }
// As the Control Panel and the idle timer start it: the long path unquoted, its blank and all.
Program saver(const std::wstring& arguments) { return Program(windows_path(TAMARAK_SS), {}, arguments, true); }

HWND wait_for_saver(const Program& saver) {
  HWND window = nullptr;
  // Shown in front, where the keys go.
  wait_until(
      [&] { return (window = find_window(saver.pid(), nullptr, L"Tamarak's SS")) && GetForegroundWindow() == window; });
  return window;
}

// Pixels of the screen area that are not black, or only those of one colour (for an area whose rows
// need no padding).
int lit_pixels(const RECT& area, COLORREF only = CLR_INVALID) {
  BITMAPINFOHEADER header;
  const std::vector<char> bits = screen_bits(area, header);
  const auto* bgr = reinterpret_cast<const unsigned char*>(bits.data());
  int lit = 0;
  for (size_t i = 0; i + 2 < bits.size(); i += 3)
    lit += only == CLR_INVALID ? (bgr[i] | bgr[i + 1] | bgr[i + 2]) != 0 : RGB(bgr[i + 2], bgr[i + 1], bgr[i]) == only;
  return lit;
}

// A copy of `data` in the process's own memory, where Windows puts the structure a message points to.
template <class T>
LPARAM in_process(HANDLE process, const T& data) {
  void* const copy = VirtualAllocEx(process, nullptr, sizeof data, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  return WriteProcessMemory(process, copy, &data, sizeof data, nullptr) ? reinterpret_cast<LPARAM>(copy) : 0;
}

HWND test_window() {
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 152, 112, nullptr, nullptr, nullptr,
                         nullptr);
}

void send_input(INPUT input) { SendInput(1, &input, sizeof input); }

TEST(ScreenSaver, FullScreenCoversEveryMonitorOnTopWithoutPointerOneAtATimeAndEndsOnAMoveOrAKey) {
  Program first = saver(L"/s");
  HWND window = wait_for_saver(first);
  ASSERT_TRUE(window);
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  RECT area{},
      screen{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  EXPECT_TRUE(GetWindowRect(window, &area) && EqualRect(&area, &screen));
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  CURSORINFO pointer{sizeof pointer};
  EXPECT_TRUE(wait_until([&] { return GetCursorInfo(&pointer) && !(pointer.flags & CURSOR_SHOWING); }));
  // The meter and its text, and black around them.
  EXPECT_TRUE(wait_until([&] { return lit_pixels(area) > 500; }));
  EXPECT_LT(lit_pixels(area), (area.right - area.left) * (area.bottom - area.top) / 50);
  EXPECT_GT(lit_pixels(area, RGB(192, 192, 192)), 20);  // the text in silver
  EXPECT_EQ(lit_pixels(area, RGB(255, 255, 255)), 0);   // straight on the black
  // Drifting: forty ticks on, nothing left in the corner it started from.
  for (int i = 0; i < 40; ++i) SendMessageW(window, WM_TIMER, 1, 0);
  const RECT corner{area.left, area.top, area.left + 300, area.top + 180};
  EXPECT_TRUE(wait_until([&] { return lit_pixels(corner) == 0 && lit_pixels(area) > 500; }));
  // The display turned off, as Windows tells it (GUID_SESSION_DISPLAY_STATUS): nothing is drawn, not even
  // on a repaint, until it is on again.
  struct {
    GUID setting;
    DWORD length, state;
  } display{tamarak::kSessionDisplayStatus, sizeof(DWORD), 0};
  SendMessageW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, in_process(first.handle(), display));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  EXPECT_TRUE(wait_until([&] { return !GetUpdateRect(window, nullptr, FALSE) && lit_pixels(area) == 0; }));
  display.state = 1;
  SendMessageW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, in_process(first.handle(), display));
  EXPECT_TRUE(wait_until([&] { return lit_pixels(area) > 500; }));
  // Moved to a monitor at another scale (twice, or from a higher one back to 96 dpi): the meter and its
  // text drawn afresh at the new size.
  const HDC screen_dc = GetDC(nullptr);
  const int pixels = lit_pixels(area), dpi = GetDeviceCaps(screen_dc, LOGPIXELSY), other = dpi == 96 ? 192 : 96;
  ReleaseDC(nullptr, screen_dc);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(other, other), in_process(first.handle(), area));
  const auto redrawn = [&] { return other > dpi ? lit_pixels(area) > 2 * pixels : lit_pixels(area) * 5 < pixels * 3; };
  EXPECT_TRUE(wait_until(redrawn)) << pixels << " pixels at " << dpi << " dpi";
  EXPECT_TRUE(saver(L"-S").wait_for_exit());
  EXPECT_TRUE(IsWindowVisible(window));
  // The monitors changed (one plugged in, or back from sleep): the full screen is made again over them,
  // each time.
  for (int change = 0; change < 2; ++change) {
    SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(screen.right - screen.left, screen.bottom - screen.top));
    EXPECT_TRUE(wait_until([&] { return !IsWindow(window); }));
    ASSERT_TRUE(window = wait_for_saver(first));
    EXPECT_TRUE(GetWindowRect(window, &area) && EqualRect(&area, &screen));
  }

  // The first move only says where the pointer is, and a pixel's jitter is no move; a real one ends it.
  POINT at{};
  GetCursorPos(&at);
  ScreenToClient(window, &at);
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x + 1, at.y - 1));
  SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);  // nor is its own coming in front
  EXPECT_TRUE(IsWindow(window));
  send_input({INPUT_MOUSE, {.mi = {60, 40, 0, MOUSEEVENTF_MOVE}}});
  EXPECT_EQ(first.exit_code(), 0u);

  Program second = saver(L"/S");
  ASSERT_TRUE(wait_for_saver(second));
  send_input({INPUT_KEYBOARD, {.ki = {VK_SHIFT}}});
  send_input({INPUT_KEYBOARD, {.ki = {VK_SHIFT, 0, KEYEVENTF_KEYUP}}});
  EXPECT_TRUE(second.wait_for_exit());
  // So does any button or the wheel.
  for (const MOUSEINPUT& press : {MOUSEINPUT{0, 0, 0, MOUSEEVENTF_LEFTDOWN},
                                  {0, 0, 0, MOUSEEVENTF_RIGHTDOWN},
                                  {0, 0, 0, MOUSEEVENTF_MIDDLEDOWN},
                                  {0, 0, XBUTTON1, MOUSEEVENTF_XDOWN},
                                  {0, 0, static_cast<DWORD>(-WHEEL_DELTA), MOUSEEVENTF_WHEEL}}) {
    Program next = saver(L"/s");
    ASSERT_TRUE(wait_for_saver(next));
    send_input({INPUT_MOUSE, {.mi = press}});
    EXPECT_TRUE(next.wait_for_exit()) << press.dwFlags;
    if (press.dwFlags != MOUSEEVENTF_WHEEL)
      send_input({INPUT_MOUSE, {.mi = {0, 0, press.mouseData, press.dwFlags << 1}}});
  }
}

TEST(ScreenSaver, PreviewFillsItsParentAndEndsWithIt) {
  const HWND parent = test_window();
  Program preview = saver(L"/p " + handle_text(parent));
  HWND child = nullptr;
  ASSERT_TRUE(wait_until([&] { return (child = FindWindowExW(parent, nullptr, nullptr, nullptr)) != nullptr; }));
  RECT inside{}, parent_area{0, 0, 152, 112};
  EXPECT_TRUE(GetClientRect(child, &inside) && EqualRect(&inside, &parent_area));
  // Input over the preview is the Control Panel's, which goes on showing it, in its parent even when the
  // monitors change.
  for (UINT message : {WM_DISPLAYCHANGE, WM_KEYDOWN, WM_LBUTTONDOWN, WM_ACTIVATEAPP})
    SendMessageW(child, message, 0, 0);
  EXPECT_TRUE(IsWindow(child));
  // Wine 8 shows nothing a child draws into another process's window (docs/testing.md): the
  // pixels are checked full screen.
  DestroyWindow(parent);
  EXPECT_EQ(preview.exit_code(30000), 0u);
}

// The command line's other spellings are the unit tests'; here what only a real run shows.
TEST(ScreenSaver, SettingsSayThereIsNothingToSetAndAGoneOrMissingWindowEndsCleanly) {
  const HWND owner = test_window();
  Program settings = saver(L"/c:" + handle_text(owner));
  HWND box = nullptr;
  ASSERT_TRUE(wait_until([&] { return (box = find_window(settings.pid(), L"#32770", L"Tamarak's SS")); }));
  EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
  EXPECT_NE(message_box_text(box).find(L"設定する項目がありません"), std::wstring::npos);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(wait_until([&] { return !settings.running(); }));  // its owner answering meanwhile
  DestroyWindow(owner);
  for (const std::wstring& arguments : {L"/p " + handle_text(owner), std::wstring(L"/p"), std::wstring(L"/x")}) {
    Program refused = saver(arguments);
    EXPECT_EQ(refused.exit_code(), 0u);
  }
}

// Windows always has a browser for a .htm: for the test's length the prefix's (it has none) is a stand-in
// that notes what it was handed in "started.txt" beside it and ends, so no real browser opens.
struct PageStandIn {
  PageStandIn() {
    const std::wstring command = L"\"" + windows_path(BROWSER_STAND_IN) + L"\" \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L".htm", nullptr, REG_SZ, L"Tamarak.Page", sizeof L"Tamarak.Page");
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"Tamarak.Page\\shell\\open\\command", nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  ~PageStandIn() {
    for (const wchar_t* key : {L".htm", L"Tamarak.Page"}) RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
  }
};

// The zip unpacked: the menus open what it ships beside the program, through the shell.
TEST(Release, FromItsFolderTheHelpPageOpensAndOriginalStartsTheSaverFullScreenUntilAKey) {
  const std::wstring built = program_path(), here = built.substr(0, built.rfind(L'\\')), folder = here + L"\\release";
  const std::wstring saver_file = folder + L"\\ss\\Tamarak's SS.scr", handed = here + L"\\started.txt";
  for (const std::wstring& made : {folder, folder + L"\\ss"}) CreateDirectoryW(made.c_str(), nullptr);
  for (const auto& [from, to] : {std::pair{built, folder + L"\\tamarak.exe"},
                                 {windows_path(HELP_PAGE), folder + L"\\help.htm"},
                                 {windows_path(TAMARAK_SS), saver_file}})
    ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE));
  DeleteFileW(handed.c_str());
  const PageStandIn browser;
  Program program(folder + L"\\tamarak.exe");
  const HWND main = wait_for_main_window(program.pid());
  ASSERT_TRUE(main);

  PostMessageW(main, WM_COMMAND, mnuHelpHelp, 0);
  EXPECT_TRUE(stand_in_handed(windows_path(BROWSER_STAND_IN), folder + L"\\help.htm"));

  PostMessageW(main, WM_COMMAND, mnuFileScreenNew, 0);
  HWND shown = nullptr;
  const auto found = [&](const wchar_t* class_name) {
    return (shown = FindWindowW(class_name, L"Tamarak's SS")) && IsWindowVisible(shown);
  };
  ASSERT_TRUE(wait_until([&] { return found(L"TamarakScreenSaver") || found(L"#32770"); }));
  // Wine 8 runs a .scr as it runs an .exe, without the association's /S (docs/testing.md): the saver asks
  // for its settings, and the test starts it as the shell of Windows (and of Wine 10) does.
  std::optional<Program> as_windows_starts_it;
  if (found(L"#32770")) {
    PostMessageW(shown, WM_COMMAND, IDOK, 0);
    as_windows_starts_it.emplace(saver_file, std::vector<std::wstring>{}, L"/S");
  }
  // In front, where the key goes.
  ASSERT_TRUE(wait_until([&] { return found(L"TamarakScreenSaver") && GetForegroundWindow() == shown; }));
  RECT area{};
  EXPECT_TRUE(GetWindowRect(shown, &area) && area.right - area.left == GetSystemMetrics(SM_CXVIRTUALSCREEN));
  save_screenshot(shown, "release-screen-saver");
  send_input({INPUT_KEYBOARD, {.ki = {VK_SHIFT}}});
  send_input({INPUT_KEYBOARD, {.ki = {VK_SHIFT, 0, KEYEVENTF_KEYUP}}});
  EXPECT_TRUE(wait_until([&] { return !IsWindow(shown); }));
  if (IsWindow(shown)) PostMessageW(shown, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace e2e
