#include <gtest/gtest.h>

#include "about/frmAbout_design.h"
#include "app/commands.h"
#include "driver.h"

namespace e2e {
namespace {

namespace frmAbout_design = tamarak::frmAbout_design;

// The credit strip's rectangle inside its viewport, as another program sees it.
RECT strip_rect(HWND about) {
  const HWND viewport = GetDlgItem(about, frmAbout_design::Picture1);
  RECT r{};
  GetWindowRect(GetDlgItem(viewport, frmAbout_design::Picture2), &r);
  MapWindowPoints(nullptr, viewport, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int viewport_height(HWND about) {
  RECT r{};
  GetClientRect(GetDlgItem(about, frmAbout_design::Picture1), &r);
  return r.bottom;
}

// Help menu by its mnemonic, then "バージョン情報(&V)" by its own.
HWND open_about_from_the_help_menu(const Program& program, HWND main) {
  PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, L'h');
  const HWND menu = wait_for_menu();
  if (!menu) return nullptr;
  PostMessageW(menu, WM_CHAR, L'v', 0);
  return wait_for_window(program.pid(), L"TamarakAbout", kTitle);
}

// True when the system information tool is named in this registry, as on a real Windows system.
bool system_information_registered() {
  wchar_t text[8];
  DWORD size = sizeof text;
  const bool path = RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", RRF_RT_ANY,
                                 nullptr, text, &size) != ERROR_FILE_NOT_FOUND;
  size = sizeof text;
  const bool folder = RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO",
                                   RRF_RT_ANY, nullptr, text, &size) != ERROR_FILE_NOT_FOUND;
  return path || folder;
}

// For the test's length the shell hands a scheme's links to the stand-in, which notes them and ends, so
// no browser or mail program opens; then the prefix's own command for them is put back, or none.
class LinkStandIn {
 public:
  explicit LinkStandIn(const wchar_t* scheme) : key_(std::wstring(scheme) + L"\\shell\\open\\command") {
    DWORD size = sizeof was_;
    had_ = RegGetValueW(HKEY_CLASSES_ROOT, key_.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, was_, &size) == ERROR_SUCCESS;
    set(L"\"" + windows_path(BROWSER_STAND_IN) + L"\" \"%1\"");
  }
  ~LinkStandIn() { had_ ? set(was_) : (void)RegDeleteKeyValueW(HKEY_CLASSES_ROOT, key_.c_str(), nullptr); }

 private:
  void set(const std::wstring& command) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key_.c_str(), nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  std::wstring key_;
  wchar_t was_[MAX_PATH] = L"";
  bool had_ = false;
};

using About = ProgramTest;

TEST_F(About, OpensModallyFromTheHelpMenuScrollsAndClosesOnEscape) {
  ASSERT_TRUE(show_main_window(main));

  const HWND about = open_about_from_the_help_menu(program, main);
  ASSERT_TRUE(about);
  EXPECT_EQ(control_text(about, frmAbout_design::lblTitle), kTitle);
  EXPECT_EQ(control_text(about, frmAbout_design::lblVersion), L"ﾊﾞｰｼﾞｮﾝ 3.0.0");
  EXPECT_FALSE(IsWindowEnabled(main));
  // Owned, and so off the taskbar, but not by the main window, whose end would take it along.
  EXPECT_NE(GetWindow(about, GW_OWNER), nullptr);
  EXPECT_NE(GetWindow(about, GW_OWNER), main);

  // A box that closes enables its owner, even one the About window holds disabled: the program's
  // boxes belong to the About window while it is up.
  PostMessageW(main, WM_COMMAND, tamarak::mnuFileTime, 0);
  const HWND uptime = wait_for_window(program.pid(), L"#32770", kTitle);
  ASSERT_TRUE(uptime);
  EXPECT_EQ(GetWindow(uptime, GW_OWNER), about);
  PostMessageW(uptime, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(uptime); }));
  EXPECT_FALSE(IsWindowEnabled(main));

  // The credit moves on its own; two moments of it.
  const RECT first = strip_rect(about);
  EXPECT_LE(first.top, viewport_height(about));
  save_screenshot(about, "about-1");
  ASSERT_TRUE(wait_until([&] { return strip_rect(about).top != first.top; }));
  ASSERT_TRUE(wait_until([&] {
    const RECT now = strip_rect(about);
    return now.top < viewport_height(about) - 8 && now.bottom > 8;
  }));
  save_screenshot(about, "about-2");

  PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(about); }));
  EXPECT_TRUE(IsWindowEnabled(main));

  // Again: a new window, whose strip moves within its range.
  const HWND again = open_about_from_the_help_menu(program, main);
  ASSERT_TRUE(again);
  const int bottom = viewport_height(again);
  const RECT start = strip_rect(again);
  EXPECT_LE(start.top, bottom);
  EXPECT_GE(start.bottom, 0);
  EXPECT_TRUE(wait_until([&] { return strip_rect(again).top != start.top; }));
  EXPECT_FALSE(IsWindowEnabled(main));

  // Enter on a link opens it through the shell: the home page and a mail to the address shown.
  const LinkStandIn web(L"https"), mail(L"mailto");
  for (const auto& [link, opened] : {std::pair{frmAbout_design::Label1, L"https://www.example.com/tamarak/"},
                                     {frmAbout_design::LblMail, L"mailto:tamarak@example.com"}}) {
    PostMessageW(GetDlgItem(again, link), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(stand_in_handed(windows_path(BROWSER_STAND_IN), opened)) << opened;
  }

  if (system_information_registered()) {
    GTEST_SKIP() << "the system information tool is registered here; it would really start";
  }
  PostMessageW(GetDlgItem(again, frmAbout_design::cmdSysInfo), BM_CLICK, 0, 0);
  const HWND box = wait_for_window(program.pid(), L"#32770", kTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(message_box_text(box), L"現時点ではｼｽﾃﾑ情報を使用できません");
  EXPECT_EQ(GetWindow(box, GW_OWNER), again);
  save_screenshot(nullptr, "about-sysinfo-message");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindow(again));

  PostMessageW(again, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(again); }));
  EXPECT_TRUE(IsWindowEnabled(main));
  PostMessageW(main, WM_COMMAND, tamarak::mnuFileExit, 0);
  EXPECT_TRUE(program.wait_for_exit());
}

}  // namespace
}  // namespace e2e
