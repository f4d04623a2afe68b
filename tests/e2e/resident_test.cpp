#include <gtest/gtest.h>

#include <regex>

#include "app/commands.h"
#include "app/frmSysTray_design.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace tamarak;
using namespace tamarak::frmSysTray_design;

bool matches(const std::wstring& text, const wchar_t* pattern) { return std::regex_match(text, std::wregex(pattern)); }

using Resident = ProgramTest;

TEST_F(Resident, LivesInTheTrayShowsItsFiguresHidesOnCloseAndExits) {
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_TRUE(wait_until([&] { return tray_icon_count() == icons_before + 1; }));

  ASSERT_TRUE(show_main_window(main));
  EXPECT_TRUE(matches(control_text(main, lblMemoryLoad), L"\\d{1,3} %"));
  for (int id : {lblTotalPhys, lblAvailPhys, lblTotalPageFile, lblAvailPageFile, lblTotalVirtual, lblAvailVirtual})
    EXPECT_TRUE(matches(control_text(main, id), L"\\d{1,5} [MGT]B")) << id;
  for (int id : {lblPhysPer, lblPagePer, lblVirtPer}) EXPECT_TRUE(matches(control_text(main, id), L"\\d{1,3} %"));
  save_screenshot(main, "main-window");

  // By keys alone, through the program's own loop: it starts from the first level button, Tab
  // moves on, Escape hides the window.
  const auto focused = [this] {
    GUITHREADINFO info{sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus;
  };
  EXPECT_TRUE(wait_until([&] { return focused() == GetDlgItem(main, cmdMemLow); }));
  PostMessageW(focused(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(wait_until([&] { return focused() == GetDlgItem(main, cmdMemMid); }));
  PostMessageW(focused(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(main); }));
  ASSERT_TRUE(show_main_window(main));

  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(main); }));
  SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  EXPECT_TRUE(program.running());
  EXPECT_EQ(tray_icon_count(), icons_before + 1);

  PostMessageW(main, WM_COMMAND, mnuFileExit, 0);
  EXPECT_TRUE(program.wait_for_exit());
  EXPECT_TRUE(wait_until([&] { return tray_icon_count() == icons_before; }));
}

TEST_F(Resident, SecondCopyWarnsAndEndsLeavingTheFirstUntouched) {
  ASSERT_TRUE(wait_until([&] { return tray_icon_count() == icons_before + 1; }));

  Program second;
  const HWND box = wait_for_window(second.pid(), L"#32770", kTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(message_box_text(box), L"Tamarak タマラックは、二重起動することができません！ゴメンネ！");
  EXPECT_TRUE(wait_until([&] { return tray_icon_count() == icons_before + 2; }));  // its own icon, for now
  save_screenshot(nullptr, "second-copy-warning");

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(second.wait_for_exit());
  EXPECT_TRUE(wait_until([&] { return tray_icon_count() == icons_before + 1; }));
  EXPECT_TRUE(program.running());
  EXPECT_TRUE(IsWindow(main) && !IsWindowVisible(main));
}

TEST_F(Resident, MenuBarOpensByMnemonicAndPopupOpensAtThePointer) {
  ASSERT_TRUE(show_main_window(main));
  // Painted before any menu opens over it, so the screenshots show the window whole.
  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (wchar_t mnemonic : {L'f', L't', L'h'}) {
    PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, mnemonic);
    const HWND menu = wait_for_menu();
    ASSERT_TRUE(menu) << char(mnemonic);
    if (mnemonic == L't') {  // into the screen saver submenu, the last item
      press_keys(menu, {VK_END, VK_RIGHT});
      ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).size() == 2; }));
    }
    save_screenshot(nullptr, std::string("menu-") + char(mnemonic));
    press_keys(menu, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
    ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).empty(); }));
  }

  SetCursorPos(400, 300);
  post_tray_callback(main, WM_RBUTTONDOWN);
  const HWND popup = wait_for_menu();
  ASSERT_TRUE(popup);
  RECT where;
  GetWindowRect(popup, &where);
  EXPECT_EQ(where.left, 400);  // its left edge at the pointer
  press_keys(popup, {VK_HOME, VK_DOWN, VK_DOWN, VK_RIGHT});
  ASSERT_TRUE(wait_until([&] { return open_menus(program.pid()).size() == 2; }));
  save_screenshot(nullptr, "tray-popup");
  press_keys(popup, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
  EXPECT_TRUE(wait_until([&] { return open_menus(program.pid()).empty(); }));
  SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  EXPECT_TRUE(IsWindowVisible(main));  // dismissing ran no command
  EXPECT_TRUE(program.running());
}

}  // namespace
}  // namespace e2e
