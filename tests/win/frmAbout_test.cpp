#include "about/frmAbout.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "about/credit_scroller.h"
#include "app/commands.h"
#include "app/frmSysTray_design.h"
#include "fixtures.h"
#include "layout_checks.h"
#include "process_counts.h"
#include "ui/dark_menu_bar.h"
#include "ui/gradient.h"

namespace tamarak {

using namespace frmSysTray_design;
namespace {

// A key press as the modal loop hands it to the dialog manager.
void press(HWND dialog, UINT key) {
  MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
  if (!msg.hwnd) msg.hwnd = dialog;
  IsDialogMessageW(dialog, &msg);
}

class AboutTest : public ::testing::Test {
 protected:
  FakeSystem system;
  ProgramLifetime lifetime;
  Form<frmAbout> about{system, system, lifetime};
  const int dpi = screen_dpi();

  void TearDown() override {
    if (about.hwnd()) DestroyWindow(about.hwnd());
  }

  HWND open() {
    about.Show(nullptr);
    return about.hwnd();
  }
  HWND item(int id) const { return find_control(about.hwnd(), id); }
  std::string text(int id) const { return text_of(about.hwnd(), id); }
  HWND strip() const { return item(frmAbout_design::Picture2); }
  // The strip's rectangle inside the viewport, and the viewport's inside.
  RECT strip_rect() const { return rect_in_parent(strip()); }
  RECT viewport() const {
    RECT r;
    GetClientRect(item(frmAbout_design::Picture1), &r);
    return r;
  }
  void tick(int times = 1) {
    for (int i = 0; i < times; ++i) SendMessageW(about.hwnd(), WM_TIMER, 1, 0);
  }
};

TEST_F(AboutTest, ShowsTheProgramsOwnTitleAndVersionAndTheDesignedTexts) {
  open();
  EXPECT_EQ(text_of(about.hwnd()), kProgramTitle);
  EXPECT_EQ(text(frmAbout_design::lblTitle), kProgramTitle);
  EXPECT_EQ(text(frmAbout_design::lblVersion), "ﾊﾞｰｼﾞｮﾝ 3.0.0");
  EXPECT_EQ(text(frmAbout_design::Text1), "みずなぎ ソフト工房\r\n　　(・_・ゞ－☆");
  EXPECT_FALSE(IsWindowVisible(item(frmAbout_design::Text1)));
  EXPECT_TRUE(SendMessageW(item(frmAbout_design::Picture4), STM_GETICON, 0, 0));
  EXPECT_TRUE(SendMessageW(item(frmAbout_design::picIcon), STM_GETICON, 0, 0));

  EXPECT_TRUE(rounded(about.hwnd()));

  // OK is the default button and has the focus.
  EXPECT_EQ(GetFocus(), item(frmAbout_design::cmdOK));
  EXPECT_EQ(LOWORD(SendMessageW(about.hwnd(), DM_GETDEFID, 0, 0)), frmAbout_design::cmdOK);
}

TEST_F(AboutTest, TickerStartsCentredJustBelowTheViewportAndRisesTenTwipsATick) {
  open();
  const RECT inside = viewport();
  const RECT start = strip_rect();
  const int width = start.right - start.left, height = start.bottom - start.top;
  EXPECT_TRUE(IsWindowVisible(strip()));
  // Both lines of the credit in bold 12 pt: two lines high with their leading, narrower than the viewport.
  EXPECT_GE(height, 2 * MulDiv(12, dpi, 72));
  EXPECT_LE(height, 4 * MulDiv(12, dpi, 72));
  EXPECT_GT(width, 0);
  EXPECT_LT(width, inside.right);
  EXPECT_LE(std::abs(2 * start.left - (inside.right - width)), 1);
  EXPECT_EQ(start.top, inside.bottom);

  const float viewport_twips = pixels_to_twips(inside.bottom, dpi), strip_twips = pixels_to_twips(height, dpi);
  int ticks = 0;
  const OwnedHook moves = record_sent_messages();
  for (; ticks < 10; ++ticks) {
    tick();
    ASSERT_EQ(strip_rect().top, twips_to_pixels(viewport_twips - 10.0f * (ticks + 1), dpi)) << ticks;
    EXPECT_EQ(strip_rect().left, start.left);
  }
  // A step of less than a pixel leaves the strip alone.
  EXPECT_LT(std::ranges::count(g_sent, WM_WINDOWPOSCHANGING, &MSG::message), 10);
  // On until it comes back to the bottom: the last step before that has the strip wholly above.
  RECT last{};
  while (strip_rect().top != inside.bottom && ticks < 1000) {
    last = strip_rect();
    tick();
    ++ticks;
  }
  EXPECT_LE(last.bottom, 0);
  // It wraps only after the top has gone strictly below -height.
  EXPECT_EQ(ticks, static_cast<int>((viewport_twips + strip_twips) / 10) + 2);

  // With the system's animations turned off it stands still, its first lines in view, and runs
  // again once they are back on. A screen reader reads the credit it shows.
  system.animations_on = false;
  SendMessageW(about.hwnd(), WM_SETTINGCHANGE, SPI_SETCLIENTAREAANIMATION, 0);
  EXPECT_EQ(strip_rect().top, 0);
  EXPECT_FALSE(KillTimer(about.hwnd(), 1));
  system.animations_on = true;
  SendMessageW(about.hwnd(), WM_SETTINGCHANGE, SPI_SETCLIENTAREAANIMATION, 0);
  EXPECT_TRUE(KillTimer(about.hwnd(), 1));
  EXPECT_EQ(narrow(system.annotations[item(frmAbout_design::Picture1)].name), "みずなぎ ソフト工房　(・_・ゞ－☆");
}

TEST_F(AboutTest, EveryShowingIsAFreshWindowWithTheTickerFromTheBottom) {
  const HWND first = open();
  const int bottom = viewport().bottom;
  tick(30);
  EXPECT_LT(strip_rect().top, bottom);
  SendMessageW(item(frmAbout_design::cmdOK), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(about.hwnd(), nullptr);
  EXPECT_EQ(lifetime.open_windows(), 0);

  const HWND second = open();
  ASSERT_TRUE(IsWindow(second));
  EXPECT_EQ(strip_rect().top, bottom);
  EXPECT_EQ(text(frmAbout_design::lblVersion), "ﾊﾞｰｼﾞｮﾝ 3.0.0");
  EXPECT_EQ(system.modal_windows.size(), 2u);
}

TEST_F(AboutTest, LinksOpenTheirAddressesAndLookLikeLinks) {
  open();
  for (int id : {frmAbout_design::Label1, frmAbout_design::LblMail, frmAbout_design::Label2, frmAbout_design::Label3}) {
    SendMessageW(item(id), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(item(id), WM_LBUTTONUP, 0, 0);
  }
  ASSERT_EQ(system.shell_calls.size(), 2u);
  // By keyboard: Tab reaches them after the buttons, Enter and Space open them, and a screen reader
  // is told they are links, named by their texts.
  const HWND ok = item(frmAbout_design::cmdOK);
  EXPECT_EQ(GetNextDlgTabItem(about.hwnd(), item(frmAbout_design::cmdSysInfo), FALSE), item(frmAbout_design::Label1));
  EXPECT_EQ(GetNextDlgTabItem(about.hwnd(), item(frmAbout_design::Label1), FALSE), item(frmAbout_design::LblMail));
  EXPECT_EQ(GetNextDlgTabItem(about.hwnd(), item(frmAbout_design::LblMail), FALSE), ok);
  press_key(item(frmAbout_design::Label1), VK_RETURN);
  press_key(item(frmAbout_design::LblMail), VK_SPACE);
  EXPECT_TRUE(IsWindow(about.hwnd()));  // Enter on a link is not the OK button's
  ASSERT_EQ(system.shell_calls.size(), 4u);
  const std::string targets[2] = {text(frmAbout_design::Label1), "mailto:" + text(frmAbout_design::LblMail)};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(system.shell_calls[i].what, "open link");
    EXPECT_EQ(system.shell_calls[i].file, targets[i % 2]);
  }
  for (int id : {frmAbout_design::Label1, frmAbout_design::LblMail})
    EXPECT_TRUE(system.annotations[item(id)].link) << id;
  EXPECT_FALSE(system.annotations.count(item(frmAbout_design::Label2)));

  // They look like links: blue, underlined, with the hand pointer over them.
  for (int id : {frmAbout_design::Label1, frmAbout_design::LblMail}) {
    EXPECT_EQ(about.controls().text_colour(id), RGB(0, 0, 255));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item(id), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
    SendMessageW(about.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(item(id)), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  }
  SendMessageW(about.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(item(frmAbout_design::Label2)),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_HAND));

  // The focus rectangle: on the focused link only, and not while the system hides focus cues (after
  // the mouse), which Wine never does: the link is told so here.
  const HWND link = item(frmAbout_design::Label1);
  const auto face = [&](HWND focus) {
    SetFocus(focus);
    InvalidateRect(link, nullptr, TRUE);
    return drawn_share(link, COLOR_BTNFACE);
  };
  const double plain = face(ok);
  EXPECT_LT(face(link), plain);
  SUBCLASSPROC hiding = [](HWND w, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) -> LRESULT {
    return message == WM_QUERYUISTATE ? UISF_HIDEFOCUS : DefSubclassProc(w, message, wparam, lparam);
  };
  SetWindowSubclass(link, hiding, 1, 0);
  EXPECT_EQ(face(link), plain);
}

TEST_F(AboutTest, ShowingAndClosingLeavesNoGdiObjectsBehind) {
  const auto show_tick_close = [&] {
    open();
    tick(50);
    RedrawWindow(about.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageW(about.hwnd(), WM_CLOSE, 0, 0);
  };
  show_tick_close();  // the system's own first-use caches
  const int before = gdi_object_count();
  for (int i = 0; i < 100; ++i) show_tick_close();
  EXPECT_EQ(gdi_object_count(), before);
}

using AboutFromTheMainWindow = MainWindowTest;

TEST_F(AboutFromTheMainWindow, ModalOverTheProgramUntilClosedByKeyboardOrCloseBox) {
  start();
  ShowWindow(main.hwnd(), SW_SHOW);

  // Escape closes it; the main window takes no input meanwhile and gets it back before it goes.
  system.while_modal = [&](HWND about) {
    EXPECT_EQ(text_of(about), kProgramTitle);
    EXPECT_TRUE(IsWindowVisible(about) && IsWindowEnabled(about));
    EXPECT_FALSE(IsWindowEnabled(main.hwnd()));
    // Owned, and so not on the taskbar, but not by the main window, whose end would take it along.
    EXPECT_NE(GetWindow(about, GW_OWNER), nullptr);
    EXPECT_NE(GetWindow(about, GW_OWNER), main.hwnd());
    EXPECT_FALSE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    // Asked for again from the tray while another program is in front, it comes to the front.
    const OwnedWindow other(
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.get()), command(mnuHelpVer);
    EXPECT_EQ(GetForegroundWindow(), about);
    press(about, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(about));
  };
  command(mnuHelpVer);
  ASSERT_EQ(system.modal_windows.size(), 1u);
  EXPECT_EQ(GetActiveWindow(), main.hwnd());  // enabled in time to take the activation back

  // Enter presses the focused button: on ｼｽﾃﾑ情報 it starts the launcher and the window stays;
  // then the close box closes it.
  system.while_modal = [&](HWND about) {
    press(about, VK_TAB);
    ASSERT_EQ(GetFocus(), GetDlgItem(about, frmAbout_design::cmdSysInfo));
    press(about, VK_RETURN);
    EXPECT_EQ(system.message_boxes.size() + system.program_starts.size(), 1u);
    EXPECT_TRUE(IsWindow(about));
    SendMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(about));
  };
  command(mnuHelpVer);
  ASSERT_EQ(system.modal_windows.size(), 2u);

  // Enter on OK closes it.
  system.while_modal = [&](HWND about) {
    ASSERT_EQ(GetFocus(), GetDlgItem(about, frmAbout_design::cmdOK));
    press(about, VK_RETURN);
    EXPECT_FALSE(IsWindow(about));
  };
  command(mnuHelpVer);
  EXPECT_EQ(system.modal_windows.size(), 3u);
  EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
  EXPECT_EQ(lifetime.open_windows(), 1);
}

// High contrast as Windows announces it, to both windows: no gradient, texts, boxes, buttons, links and
// the ticker in the system's colours, the lit legend as a selection; off again, both as they were.
TEST_F(AboutFromTheMainWindow, HighContrastDrawsBothWindowsInTheSystemsColoursUntilItIsOff) {
  start();  // at 25 %: 25-49 % lit
  tray_callback(WM_LBUTTONDBLCLK);
  command(mnuHelpVer);  // left up by the fake's modal loop
  const HWND about = system.modal_windows.at(0), shown = hwnd();
  SetWindowPos(about, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // off the main window
  const auto share = [&](HWND w, int id, int index) { return drawn_share(id ? GetDlgItem(w, id) : w, index); };
  const double designed[] = {share(shown, 0, COLOR_WINDOW), share(about, 0, COLOR_WINDOW)};
  {  // as designed: on its gradient, blue at the bottom
    RECT client;
    const WindowDC dc(shown);
    GetClientRect(shown, &client);
    EXPECT_EQ(GetPixel(dc.get(), 4, client.bottom - 2), RGB(0, 0, gradient_blue(client.bottom - 2, client.bottom)));
    // A text's blank corner, (492, 134) in the window, lets the gradient under it show.
    EXPECT_EQ(GetPixel(WindowDC(GetDlgItem(shown, Label14)).get(), 120, 26),
              RGB(0, 0, gradient_blue(134, client.bottom)));
  }
  // A scheme's colours as high contrast sets them, each apart, so that one taken for another shows.
  // Wine makes the system's brushes when first asked for, and anew after a change: each is asked for,
  // so the GDI counts compare.
  std::pair<int, COLORREF> scheme[] = {{COLOR_WINDOW, RGB(48, 0, 48)},      {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
                                       {COLOR_BTNFACE, RGB(0, 0, 96)},      {COLOR_BTNTEXT, RGB(255, 255, 0)},
                                       {COLOR_HIGHLIGHT, RGB(0, 255, 255)}, {COLOR_HIGHLIGHTTEXT, RGB(96, 0, 0)},
                                       {COLOR_HOTLIGHT, RGB(128, 255, 128)}};
  const auto swap_colours = [&scheme] {
    for (auto& [index, colour] : scheme) {
      COLORREF next = std::exchange(colour, GetSysColor(index));
      SetSysColors(1, &index, &next);
      GetSysColorBrush(index);
    }
  };
  for (const auto& entry : scheme) GetSysColorBrush(entry.first);
  const int gdi_objects = gdi_object_count();
  swap_colours();
  system.high_contrast_on = true;
  for (HWND w : {shown, about}) SendMessageW(w, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  for (int i = 0; i < 40; ++i) SendMessageW(about, WM_TIMER, 1, 0);  // the strip half into the viewport
  EXPECT_GT(share(shown, 0, COLOR_WINDOW), 0.7);                     // 0.6 with the boxes in their own colours
  EXPECT_GT(share(shown, Label9, COLOR_WINDOWTEXT), 0.0);
  EXPECT_GT(share(shown, Label11, COLOR_HIGHLIGHT), 0.5);
  EXPECT_GT(share(shown, cmdMemLow, COLOR_BTNFACE), 0.5);
  EXPECT_GT(share(about, 0, COLOR_BTNFACE), 0.3);
  EXPECT_GT(share(about, frmAbout_design::Label8, COLOR_BTNTEXT), 0.0);
  EXPECT_GT(share(about, frmAbout_design::Label1, COLOR_HOTLIGHT), 0.0);
  EXPECT_GT(share(about, frmAbout_design::Picture1, COLOR_WINDOW), 0.75);  // under 0.6 with the strip still black
  // The lit legend's callout as a selection, the others in the window's text colour.
  EXPECT_EQ(GetPixel(WindowDC(shown).get(), 76, 88), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(GetPixel(WindowDC(shown).get(), 78, 60), GetSysColor(COLOR_WINDOWTEXT));
  system.high_contrast_on = false;
  swap_colours();
  for (HWND w : {shown, about}) SendMessageW(w, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(share(shown, 0, COLOR_WINDOW), designed[0]);
  EXPECT_EQ(share(about, 0, COLOR_WINDOW), designed[1]);
  EXPECT_EQ(gdi_object_count(), gdi_objects);

  // A panel made while high contrast is on starts in the system's colours.
  system.high_contrast_on = true;
  Form<frmSysTray> later(system, system, lifetime);
  ASSERT_TRUE(later.create());
  ShowWindow(later.hwnd(), SW_SHOW);
  EXPECT_GT(share(later.hwnd(), 0, COLOR_WINDOW), 0.7);
  DestroyWindow(later.hwnd());
}

// The dark app mode as Windows announces it: About's backdrop, texts and links go dark, its ticker and
// the main window's gradient, boxes and buttons stay as designed; the system's menus are told at start
// and at each change of mode, only from 1903 on and where uxtheme has them; high contrast wins.
TEST_F(AboutFromTheMainWindow, DarkAppModeDarkensOnlyTheSystemsColoursLiveAndHighContrastWins) {
  system.dark_mode_on = true;
  start();
  EXPECT_EQ(system.theme_calls, (std::vector<std::string>{"135 1", "136", "133"}));
  tray_callback(WM_LBUTTONDBLCLK);
  command(mnuHelpVer);
  const HWND about = system.modal_windows.at(0), shown = hwnd();
  SetWindowPos(about, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const auto share = [&](HWND w, int id, COLORREF c) { return colour_share(id ? GetDlgItem(w, id) : w, c); };
  const COLORREF backdrop = dark_colour(COLOR_BTNFACE);
  EXPECT_GT(share(about, 0, backdrop), 0.6);
  EXPECT_GT(share(about, frmAbout_design::Label8, RGB(255, 255, 255)), 0.0);
  EXPECT_GT(share(about, frmAbout_design::Label1, dark_colour(COLOR_HOTLIGHT)), 0.0);
  EXPECT_GT(share(shown, Label12, RGB(255, 0, 255)), 0.0);  // on the gradient, as designed
  // The menu bar as a themed Windows offers it to the window: dark, "ファイル(F)" on it light.
  const auto bar_share = [&](COLORREF colour) {
    RedrawWindow(shown, nullptr, nullptr, RDW_UPDATENOW);  // what is due first, the frame too
    const HDC dc = GetWindowDC(shown);
    UahDrawMenuItem step{
        {ODT_MENU, 0, 0, ODA_DRAWENTIRE, ODS_NOACCEL, shown, dc, {0, 0, 80, 20}}, {GetMenu(shown), dc}, 0};
    SendMessageW(shown, kUahDrawMenu, 0, reinterpret_cast<LPARAM>(&step.menu));
    SendMessageW(shown, kUahDrawMenuItem, 0, reinterpret_cast<LPARAM>(&step));
    int count = 0;
    for (int i = 0; i < 80 * 20; ++i) count += GetPixel(dc, i % 80, i / 80) == colour;
    ReleaseDC(shown, dc);
    return count / 1600.0;
  };
  EXPECT_GT(bar_share(dark_colour(COLOR_MENUBAR)), 0.5);
  EXPECT_GT(bar_share(RGB(255, 255, 255)), 0.0);
  MENUBARINFO bar{sizeof bar};  // and the bar's strip past its items
  RECT outer;
  ASSERT_TRUE(GetMenuBarInfo(shown, OBJID_MENU, 0, &bar) && GetWindowRect(shown, &outer));
  const HDC frame = GetWindowDC(shown);
  EXPECT_EQ(GetPixel(frame, bar.rcBar.right - 3 - outer.left, bar.rcBar.top + 3 - outer.top),
            dark_colour(COLOR_MENUBAR));
  // The frame drawn again, as the system asks: its light line under the bar is covered.
  SendMessageW(shown, WM_NCPAINT, 1, 0);
  EXPECT_EQ(GetPixel(frame, 4, bar.rcBar.bottom - outer.top), dark_colour(COLOR_MENUBAR));
  ReleaseDC(shown, frame);
  const auto flushes = [&] { return std::count(system.theme_calls.begin(), system.theme_calls.end(), "136"); };
  const auto broadcast = [&] {
    for (HWND w : {shown, about}) SendMessageW(w, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
  };
  broadcast();  // an accent colour changed: nothing to tell the menus
  EXPECT_EQ(flushes(), 1);

  system.dark_mode_on = false;
  {
    const OwnedHook hook = record_sent_messages();
    broadcast();
  }
  EXPECT_EQ(flushes(), 2);
  // The system's own buttons themed again (SetWindowTheme ends by sending WM_THEMECHANGED).
  const HWND ok = GetDlgItem(about, frmAbout_design::cmdOK);
  EXPECT_TRUE(std::ranges::any_of(g_sent, [&](const MSG& m) { return m.hwnd == ok && m.message == WM_THEMECHANGED; }));
  EXPECT_GT(drawn_share(about, COLOR_BTNFACE), 0.6);
  EXPECT_EQ(bar_share(dark_colour(COLOR_MENUBAR)), 0.0);  // left to the system

  system.dark_mode_on = system.high_contrast_on = true;
  broadcast();
  EXPECT_EQ(share(about, 0, backdrop), 0.0);
  EXPECT_GT(drawn_share(shown, COLOR_WINDOW), 0.7);

  // Before 1903, or without one of the exports, nothing is asked of uxtheme.
  for (const auto& [build, missing] : {std::pair<std::uint32_t, WORD>{17763, 0}, {19045, 136}}) {
    FakeSystem other;
    other.dark_mode_on = true, other.os.build = build, other.missing_export = missing;
    Form<frmSysTray> window(other, other, lifetime);
    ASSERT_TRUE(window.create());
    EXPECT_TRUE(other.theme_calls.empty());
  }
}

// The tray popup stays reachable while the About window is up; what it opens meanwhile waits
// behind it, and what took no input before it still takes none after it.
TEST_F(AboutFromTheMainWindow, OutlivesTheMainWindowAndHoldsBackWindowsOpenedMeanwhile) {
  start();
  const auto choose = [&](UINT item) {
    system.popup_choice = item;
    tray_callback(WM_RBUTTONDOWN);
  };
  command(mnuFileIp);
  const HWND ip = main.tool_windows().ip()->hwnd();
  EnableWindow(ip, FALSE);  // as a box of its own would leave it
  HWND processes = nullptr;
  system.while_modal = [&](HWND about) {
    choose(mnuFileApp);
    processes = main.tool_windows().app_run()->hwnd();
    ASSERT_TRUE(IsWindowVisible(processes));
    EXPECT_FALSE(IsWindowEnabled(processes));
    EXPECT_EQ(GetForegroundWindow(), about);
    command(mnuFileTime);  // what the program asks belongs to About
    EXPECT_EQ(system.message_boxes.back().owner, about);
    choose(mnuFileExit);
    EXPECT_EQ(main.hwnd(), nullptr);
    EXPECT_TRUE(IsWindowVisible(about));
    press(about, VK_ESCAPE);
  };
  command(mnuHelpVer);
  ASSERT_EQ(system.modal_windows.size(), 1u);
  EXPECT_TRUE(IsWindowEnabled(processes));
  EXPECT_FALSE(IsWindowEnabled(ip));
  EXPECT_EQ(lifetime.open_windows(), 2);  // the tool windows keep the program running
}

}  // namespace
}  // namespace tamarak
