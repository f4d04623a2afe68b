#include "app/frmSysTray.h"

#include <gtest/gtest.h>
#include <windowsx.h>
#include <wtsapi32.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/frmSysTray_design.h"
#include "app/menus.h"
#include "base/display_state.h"
#include "fixtures.h"
#include "icon_picture.h"
#include "layout_checks.h"
#include "monitor/memory_figures.h"
#include "optimiser/fill_size.h"
#include "system/win32_services.h"
#include "ui/win32_prompts.h"

namespace tamarak {

using namespace frmSysTray_design;
namespace {

// A window asked to start its focus cues from the last input (seen in g_sent).
bool cue_start(const MSG& m) { return m.message == WM_CHANGEUISTATE && LOWORD(m.wParam) == UIS_INITIALIZE; }

TEST_F(MainWindowTest, StartsHiddenWithItsIconAndAmountLabels) {
  start();
  EXPECT_FALSE(IsWindowVisible(hwnd()));
  ASSERT_EQ(system.tray_calls.size(), 1u);
  const TrayCall& add = system.tray_calls[0];
  EXPECT_EQ(std::tuple(add.operation, add.record.cbSize, add.record.hWnd, add.record.uID, add.record.uFlags,
                       add.record.uCallbackMessage),
            std::tuple(DWORD{NIM_ADD}, DWORD{sizeof(NOTIFYICONDATAW)}, hwnd(), kTrayIconId, kTrayFlags,
                       kTrayCallbackMessage));
  EXPECT_EQ(narrow(add.record.szTip), "メモリ使用率 : 25%");
  // The picture of band 25 \ 25 = 1, drawn at the shell's small icon size.
  EXPECT_EQ(icon_picture(add.record.hIcon), meter_picture(1, system.small_icon_size(screen_dpi())));

  EXPECT_TRUE(system.message_boxes.empty());
  EXPECT_EQ(lifetime.open_windows(), 1);
  EXPECT_EQ(system.allowed_messages, (std::vector<std::pair<HWND, UINT>>{{hwnd(), system.taskbar_created}}));
  EXPECT_EQ(system.efficiency, std::vector<bool>{true});  // nobody looks at it
  // Only what the hidden window needs: no panel and no menu bar yet.
  EXPECT_EQ(GetWindow(hwnd(), GW_CHILD), nullptr);
  EXPECT_EQ(GetMenu(hwnd()), nullptr);

  // Shown, it has them, at its designed client size; the amount labels come from the start-up
  // sample, whenever the panel is made.
  system.memory.total_phys *= 2;
  RECT before;
  GetWindowRect(hwnd(), &before);  // made in the middle of the screen
  EXPECT_NEAR(before.left + before.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(before.top + before.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
  // The frame kept the menu bar less room than it takes (another font, say): the client comes out whole.
  SetWindowPos(hwnd(), nullptr, 0, 0, before.right - before.left, before.bottom - before.top - 7, SWP_NOMOVE);
  ShowWindow(hwnd(), SW_SHOW);
  EXPECT_EQ(system.efficiency, (std::vector<bool>{true, false}));
  EXPECT_TRUE(GetMenu(hwnd()));
  RECT client, after;
  GetClientRect(hwnd(), &client);
  GetWindowRect(hwnd(), &after);
  EXPECT_EQ(client.right, MulDiv(frmSysTray_design::kClientWidth, screen_dpi(), 96));
  EXPECT_EQ(client.bottom, MulDiv(frmSysTray_design::kClientHeight, screen_dpi(), 96));
  EXPECT_TRUE(EqualRect(&before, &after));  // centred as made
  EXPECT_EQ(labels({Label17, Label16, Label15, Label18}),
            (std::vector<std::string>{"51 MB", "102 MB", "154 MB", "205 MB"}));
  EXPECT_EQ(label(lblTotalPhys), "");  // shown without a refresh: not filled yet
}

TEST_F(MainWindowTest, HiddenTickUpdatesTrayAndIndicatorButNotCaptions) {
  start();
  system.memory.load = 80;
  tick();
  EXPECT_EQ(last_tray_call().operation, DWORD{NIM_MODIFY});
  EXPECT_EQ(narrow(last_tray_call().record.szTip), "メモリ使用率 : 80%");
  EXPECT_EQ(icon_picture(last_tray_call().record.hIcon), meter_picture(3, system.small_icon_size(screen_dpi())));

  // Nothing changed, nothing handed to the shell; but at least every 30 s the whole icon, so one the
  // shell lost without a word comes back.
  const size_t calls = system.tray_calls.size();
  tick();
  system.uptime_ms += 29'999;
  tick();
  EXPECT_EQ(system.tray_calls.size(), calls);
  system.shell.icons.clear();
  system.uptime_ms += 1;
  tick();
  EXPECT_TRUE(system.shell.shown(hwnd(), kTrayIconId));

  // No ticks while nobody can see them; at once the current load when someone can again. A display
  // back on in a locked session is still nobody. Remote Desktop into a desk whose monitor is off: the
  // session's own display comes back, the console's stays off.
  const auto display = [&](DWORD state) { system.tell_power_setting(kSessionDisplayStatus, state); };
  const auto off = [&] { system.tell_power_setting(kConsoleDisplayState, 0), display(0); };
  const auto session = [&](WPARAM event) { system.tell_session(event); };
  const std::vector<std::pair<std::function<void()>, std::function<void()>>> aways = {
      {off, [&] { display(1); }},
      {[&] { session(WTS_SESSION_LOCK); }, [&] { session(WTS_SESSION_UNLOCK); }},
      {[&] { session(WTS_CONSOLE_DISCONNECT); }, [&] { session(WTS_CONSOLE_CONNECT); }},
      {[&] { session(WTS_REMOTE_DISCONNECT); }, [&] { session(WTS_REMOTE_CONNECT); }},
      {[&] { off(), session(WTS_SESSION_LOCK), display(2); }, [&] { session(WTS_SESSION_UNLOCK); }},
      {[&] { off(), session(WTS_SESSION_LOCK), session(WTS_CONSOLE_DISCONNECT); },
       [&] { session(WTS_REMOTE_CONNECT), session(WTS_SESSION_UNLOCK), display(1); }},
  };
  for (size_t i = 0; i < aways.size(); ++i) {
    aways[i].first();
    EXPECT_FALSE(KillTimer(hwnd(), 1)) << i;  // no timer to kill
    system.memory.load = 30 + static_cast<unsigned>(i);
    aways[i].second();
    EXPECT_EQ(narrow(system.shell.shown(hwnd(), kTrayIconId)->szTip), "メモリ使用率 : " + std::to_string(30 + i) + "%");
    EXPECT_TRUE(KillTimer(hwnd(), 1)) << i;
  }
  display(1);
  EXPECT_FALSE(KillTimer(hwnd(), 1));  // the killed timer stays so: nothing came back
  system.memory.load = 80;
  tick();
  // The panel, made when the window is shown, lights the band of the last hidden tick.
  ShowWindow(hwnd(), SW_SHOW);
  EXPECT_EQ(label(lblMemoryLoad), "");
  EXPECT_TRUE(control_visible(imgIcon0 + 3));
  EXPECT_EQ(main.controls().text_colour(Label9), RGB(255, 255, 0));
  DestroyWindow(hwnd());
  system.os = {2, 6, 1, 7601};  // Windows 7 tells only of the console's display
  start();
  EXPECT_TRUE(system.power_watches.back() == std::pair(hwnd(), kConsoleDisplayState));
}

TEST_F(MainWindowTest, ExactlyOneBandLitAfterEveryRefresh) {
  start();
  // Made once shown, the panel follows the hidden ticks too.
  ShowWindow(hwnd(), SW_SHOW);
  ShowWindow(hwnd(), SW_HIDE);
  const int legend[5] = {0, Label11, Label10, Label9, Label8_0};
  const int lines[5][2] = {{-1, -1}, {1, 5}, {6, 2}, {3, 7}, {0, 4}};
  const COLORREF colours[5] = {0, RGB(0, 255, 0), RGB(0, 255, 0), RGB(255, 255, 0), RGB(255, 0, 0)};
  // Up and down again, so every band is also left.
  for (const auto& [load, lit] :
       {std::pair{24u, 0}, {25u, 1}, {49u, 1}, {50u, 2}, {74u, 2}, {75u, 3}, {99u, 3}, {100u, 4}, {60u, 2}, {3u, 0}}) {
    system.memory.load = load;
    tick();
    for (int band = 0; band < 5; ++band) {
      EXPECT_EQ(control_visible(imgIcon0 + band), band == lit) << load << " picture " << band;
      if (band == 0) continue;
      const COLORREF want = band == lit ? colours[band] : RGB(255, 255, 255);
      EXPECT_EQ(main.controls().text_colour(legend[band]), want) << load << " label of band " << band;
      for (int line : lines[band]) EXPECT_EQ(main.controls().line_colour(Line1_0 + line), want) << load;
    }
  }
  EXPECT_EQ(label(lblMemoryLoad), "");  // the figures wait until the window is shown
}

TEST_F(MainWindowTest, DoubleClickShowsAndFillsThePanelOnlyWhenHidden) {
  system.memory = {54, 268'435'456, 122'692'362, 0, 0, 140'737'488'224'256, 70'000'000'000'000};
  system.efficiency_refused = true;  // as before Windows 10 1709
  start();
  const OwnedHook cues = record_sent_messages();
  tray_callback(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(hwnd()));
  EXPECT_EQ(
      labels({lblMemoryLoad, lblTotalPhys, lblAvailPhys, lblPhysPer, lblTotalPageFile, lblPagePer, lblTotalVirtual,
              lblAvailVirtual, lblVirtPer}),
      (std::vector<std::string>{"54 %", "257 MB", "117 MB", "54 %", "0 MB", "0 %", "134 TB", "67116 GB", "50 %"}));
  for (const ControlRow& row : kDesign.controls)  // all in sight but the band pictures, one at a time
    EXPECT_TRUE(row.kind == Kind::image || control_visible(row.id)) << row.id;
  EXPECT_TRUE(SendDlgItemMessageW(hwnd(), imgIcon0 + 2, STM_GETICON, 0, 0));  // the lit band's meter
  const size_t calls = system.tray_calls.size();

  system.memory.load = 90;
  tray_callback(WM_LBUTTONDBLCLK);  // already shown: only brought to the front
  EXPECT_EQ(system.tray_calls.size(), calls);
  EXPECT_EQ(label(lblMemoryLoad), "54 %");
  const auto green = [&] {  // the legend of band 2, or the line from it
    return colour_share(GetDlgItem(hwnd(), Label10), RGB(0, 255, 0)) > 0 ||
           GetPixel(WindowDC(hwnd()).get(), 125, 84) == RGB(0, 255, 0);
  };
  EXPECT_TRUE(green());
  EXPECT_EQ(GetPixel(WindowDC(hwnd()).get(), 184, 84), RGB(0, 255, 0));  // the line's last pixel too
  tick();
  EXPECT_EQ(label(lblMemoryLoad), "90 %");
  EXPECT_FALSE(green());  // the legend left and its line are drawn again, white

  // A launcher's show state takes the first showing of a window: minimised, maximised, or hidden
  // (as the hidden window is then left). The double-click has it normal all the same.
  for (int launcher : {SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED}) {
    ShowWindow(hwnd(), launcher);
    ShowWindow(hwnd(), SW_HIDE);
    // Windows gives the first restore to the launcher's state: only the window is shown then.
    static int restores;
    restores = 0;
    const HOOKPROC first_refused = [](int code, WPARAM w, LPARAM l) {
      return code == HCBT_MINMAX && !restores++ ? 1 : CallNextHookEx(nullptr, code, w, l);
    };
    const OwnedHook state(SetWindowsHookExW(WH_CBT, first_refused, nullptr, GetCurrentThreadId()));
    tray_callback(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(hwnd()) && !IsIconic(hwnd()) && !IsZoomed(hwnd())) << launcher;
  }
  // Focus cues as the system starts them after a double-click, at the first showing only.
  EXPECT_EQ(std::count_if(g_sent.begin(), g_sent.end(), cue_start), 1);

  // A screen reader reads each figure with its row and column, as they change, and each level
  // button with what its tip says.
  EXPECT_EQ(narrow(system.annotations[GetDlgItem(hwnd(), lblTotalPhys)].name), "物理メモリ 全容量 257 MB");
  EXPECT_EQ(narrow(system.annotations[GetDlgItem(hwnd(), lblMemoryLoad)].name), "メモリ使用率 90 %");
  EXPECT_EQ(narrow(system.annotations[GetDlgItem(hwnd(), cmdMemHig)].description), "物理メモリを60％最適化します");

  // By keys alone: the shown window starts from a control; Enter presses the focused level button
  // (drawn by the window, so never the default one); Escape hides the window as its close does.
  EXPECT_EQ(GetFocus(), GetDlgItem(hwnd(), cmdMemLow));
  // Another program activated and left again: the focus back where it was; not while minimised.
  SetFocus(GetDlgItem(hwnd(), cmdMemMid));
  for (const WPARAM minimised : {TRUE, FALSE}) {
    SendMessageW(hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageW(hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, minimised), 0);
    EXPECT_EQ(GetFocus() == GetDlgItem(hwnd(), cmdMemMid), !minimised);
  }
  // Shown again from the tray while in front: the focus stays where it is.
  SetForegroundWindow(hwnd());
  SetFocus(GetDlgItem(hwnd(), cmdMemMid));
  tray_callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(GetFocus(), GetDlgItem(hwnd(), cmdMemMid));
  system.memory.total_phys = 10'000'000;
  press_key(GetDlgItem(hwnd(), cmdMemHig), VK_RETURN);
  finish_run();
  EXPECT_EQ(system.fills, 1);
  EXPECT_EQ(system.last_fill_count, filler_count(10'000'000, OptimiserLevel::high));
  press_key(GetDlgItem(hwnd(), cmdMemLow), VK_ESCAPE);
  EXPECT_TRUE(IsWindow(hwnd()) && !IsWindowVisible(hwnd()));
  EXPECT_EQ(system.efficiency, std::vector<bool>{true});  // refused once, asked no more
}

TEST_F(MainWindowTest, CallbackIgnoresOtherIconsAndMouseMessages) {
  start();
  const size_t calls = system.tray_calls.size();
  tray_callback(WM_LBUTTONDBLCLK, kTrayIconId - 1);
  tray_callback(WM_RBUTTONDOWN, kTrayIconId - 1);
  for (LPARAM mouse : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN})
    tray_callback(mouse);
  EXPECT_FALSE(IsWindowVisible(hwnd()));
  EXPECT_TRUE(GetWindow(hwnd(), GW_CHILD));  // made ready to show, as the pointer rests on the icon
  EXPECT_TRUE(system.popups.empty());
  EXPECT_EQ(system.tray_calls.size(), calls);

  tray_callback(WM_RBUTTONDOWN);  // dismissed by a click elsewhere: the focus stays where it went
  ASSERT_EQ(system.popups, std::vector{main.tray_popup()});
  EXPECT_EQ(system.popup_points[0].x, 400);  // at the pointer
  EXPECT_EQ(system.tray_calls.size(), calls);
  EXPECT_FALSE(IsWindowVisible(hwnd()));
  bool woken = false;  // a message after the menu, which Windows needs to end it in the background
  for (MSG m; PeekMessageW(&m, hwnd(), 0, 0, PM_REMOVE);) woken |= m.message == WM_NULL;
  EXPECT_TRUE(woken);
  // From the keyboard the pointer may be anywhere: then at the icon. Without a pointer (another
  // desktop takes the input), where the message says it was. Refused the foreground, the program
  // tells the menu so, which then watches the input itself.
  system.icon_rect = RECT{10, 20, 30, 40};
  system.foreground_granted = false;
  system.popup_by_key = true;  // by Escape: the focus goes back to the notification area
  tray_callback(WM_RBUTTONDOWN);
  EXPECT_EQ(last_tray_call().operation, DWORD{NIM_SETFOCUS});
  EXPECT_EQ(std::pair(system.popup_points[1].x, system.popup_points[1].y), std::pair(20L, 30L));
  EXPECT_EQ(system.popups_in_front, (std::vector<bool>{true, false}));
  system.icon_rect.reset();
  system.pointer.reset();
  tray_callback(WM_RBUTTONDOWN);
  EXPECT_EQ(system.popup_points[2].x, GET_X_LPARAM(GetMessagePos()));
  system.popups.clear();

  system.popup_choice = mnuPopupOpen;  // by keys: the cues as the system starts them after keys
  const OwnedHook cues = record_sent_messages();
  tray_callback(WM_RBUTTONDOWN);
  EXPECT_EQ(std::count_if(g_sent.begin(), g_sent.end(), cue_start), 1);
  EXPECT_TRUE(IsWindowVisible(hwnd()));
  EXPECT_EQ(label(lblTotalPhys), "257 MB");
}

// The items of a menu and of its submenus, each command met counted.
int items_of(HMENU menu, std::multiset<UINT>& ids) {
  int items = 0;
  for (int i = 0; i < GetMenuItemCount(menu); ++i, ++items)
    if (const HMENU sub = GetSubMenu(menu, i))
      items += items_of(sub, ids);
    else if (const UINT id = GetMenuItemID(menu, i); id != 0)
      ids.insert(id);
  return items;
}

// Every row of a menu's table is an item of it or of a submenu, and each command is reached from one
// item of it.
TEST_F(MainWindowTest, MenusAreBuiltFromTheirRowsAndReachEveryCommandOnce) {
  start();
  ShowWindow(hwnd(), SW_SHOW);
  std::set<UINT> reached;
  for (const auto& [menu, rows] :
       {std::pair{GetMenu(hwnd()), menu_bar_rows()}, {main.tray_popup(), tray_popup_rows()}}) {
    std::multiset<UINT> ids;
    EXPECT_EQ(items_of(menu, ids), static_cast<int>(rows.size()));
    for (UINT id : ids) EXPECT_EQ(ids.count(id), 1u) << id;
    reached.insert(ids.begin(), ids.end());
  }
  for (UINT command = mnuPopupOpen; command <= mnuFileIp; ++command) EXPECT_TRUE(reached.contains(command)) << command;
  EXPECT_EQ(GetMenuDefaultItem(main.tray_popup(), FALSE, 0), UINT{mnuPopupOpen});
}

TEST_F(MainWindowTest, UserCloseHidesButEveryOtherCloseUnloads) {
  start();
  ShowWindow(hwnd(), SW_SHOW);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(hwnd()) && !IsWindowVisible(hwnd()));
  EXPECT_NE(last_tray_call().operation, DWORD{NIM_DELETE});

  system.memory.load = 60;
  tick();
  EXPECT_EQ(last_tray_call().operation, DWORD{NIM_MODIFY});  // the icon keeps updating

  ShowWindow(hwnd(), SW_SHOW);
  command(mnuFileClose);
  EXPECT_FALSE(IsWindowVisible(hwnd()));

  EXPECT_TRUE(SendMessageW(hwnd(), WM_QUERYENDSESSION, 0, 0));
  EXPECT_TRUE(IsWindow(hwnd()));
  const HWND handle = hwnd();
  SendMessageW(handle, WM_CLOSE, 0, 0);  // Task Manager's End task
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(last_tray_call().operation, DWORD{NIM_DELETE});
  EXPECT_EQ(last_tray_call().record.uID, kTrayIconId);
  EXPECT_EQ(lifetime.open_windows(), 0);
}

TEST_F(MainWindowTest, SessionEndAndBothExitCommandsUnload) {
  const std::function<void()> ways[] = {[&] { SendMessageW(hwnd(), WM_ENDSESSION, TRUE, 0); },
                                        [&] { command(mnuFileExit); },
                                        [&] { choose_from_tray("監視終了　（常駐解除）"); }};
  for (const auto& way : ways) {
    system.tray_calls.clear();
    start();  // the same window made again
    const HWND handle = hwnd();
    way();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(system.tray_calls.size(), 2u);
    EXPECT_TRUE(system.shell.icons.empty());  // the shell refuses to delete an icon it does not hold
  }
}

TEST_F(MainWindowTest, OldWindowsIsRefusedBeforeAnythingIsRegistered) {
  system.major_version = 3;
  system.while_message_box = [&] { SendMessageW(hwnd(), system.taskbar_created, 0, 0); };  // no icon even then
  start();
  EXPECT_EQ(boxes_read(system.message_boxes),
            std::vector{program_box("This program requires Windows 95 or later, or Windows NT 4.0 or later.", MB_OK)});
  EXPECT_TRUE(system.tray_calls.empty());
  EXPECT_EQ(main.hwnd(), nullptr);
  EXPECT_EQ(lifetime.open_windows(), 0);
}

TEST_F(MainWindowTest, SecondCopyWarnsThenRemovesItsIcon) {
  system.another_copy = true;
  start();
  EXPECT_EQ(
      boxes_read(system.message_boxes),
      std::vector{program_box("Tamarak タマラックは、二重起動することができません！ゴメンネ！", MB_ICONEXCLAMATION)});
  ASSERT_EQ(system.tray_calls.size(), 2u);
  EXPECT_EQ(system.tray_calls[0].operation, DWORD{NIM_ADD});
  EXPECT_EQ(system.tray_calls[1].operation, DWORD{NIM_DELETE});
  EXPECT_EQ(main.hwnd(), nullptr);
}

// Whatever the shell held and however it answered before, the first tick at which it answers
// shows the current picture and tip.
TEST_F(MainWindowTest, TrayShowsTheCurrentLoadAtTheFirstTickTheShellAnswers) {
  using Answers = FakeShell::Answers;
  const int size = system.small_icon_size(screen_dpi());
  const auto shows = [&](unsigned load) {
    const NOTIFYICONDATAW* icon = system.shell.shown(hwnd(), kTrayIconId);
    return icon && narrow(icon->szTip) == "メモリ使用率 : " + std::to_string(load) + "%" &&
           icon_picture(icon->hIcon) == meter_picture(load_band(load), size);
  };
  const ExpectFailures refused("notify_icon");
  system.shell.answers = Answers::refusing;  // no taskbar yet at log-on
  SetLastError(ERROR_ACCESS_DENIED);         // left by some other call: the shell sets no code of its own
  start();
  tick();
  EXPECT_EQ(system.shell.shown(hwnd(), kTrayIconId), nullptr);

  // Those that announce themselves are put right by the announcement, before any tick.
  const auto taskbar_created = [&] { SendMessageW(hwnd(), system.taskbar_created, 0, 0); };
  unsigned load = 10;
  const std::tuple<const char*, bool, std::function<void()>> upsets[] = {
      {"taskbar up after log-on", false, [] {}},
      {"shell busy for a tick", false, [&] { system.shell.answers = Answers::refusing, tick(); }},
      {"modify timed out", false, [&] { system.shell.answers = Answers::timing_out, tick(); }},
      {"timed out, then the load shown before", false,
       [&] { system.shell.answers = Answers::timing_out, tick(), system.memory.load = load -= 15; }},
      {"Explorer restarted and lost the icon", false, [&] { system.shell.icons.clear(); }},
      {"TaskbarCreated while the icon is there", true, taskbar_created},
      {"Explorer restarted and said so", true, [&] { system.shell.icons.clear(), taskbar_created(); }},
  };
  for (const auto& [what, at_once, upset] : upsets) {
    system.memory.load = load += 15;
    upset();
    if (at_once) {
      EXPECT_TRUE(shows(load)) << what << ", before any tick";
    }
    system.shell.answers = Answers::normally;
    tick();
    EXPECT_TRUE(shows(load)) << what;
  }
  EXPECT_EQ(refused.codes(), 0u);
}

TEST_F(MainWindowTest, UnregisteredTaskbarMessageIsNotTakenForWmNull) {
  system.taskbar_created = 0;
  start();
  const size_t calls = system.tray_calls.size();
  SendMessageW(hwnd(), WM_NULL, 0, 0);  // as posted after every popup menu
  EXPECT_EQ(system.tray_calls.size(), calls);
}

// The fake shell answers as Wine's tray does; and against the real tray too the icon comes back
// after the tray lost it and survives a TaskbarCreated while it is there.
TEST(RealTray, RefusesDuplicatesAndTheIconComesBack) {
  Win32Services real;
  ProgramLifetime lifetime;
  Win32Prompts prompts;
  Form<frmSysTray> main(real, prompts, lifetime);
  ASSERT_TRUE(main.create());
  main.Form_Load();
  NOTIFYICONDATAW probe{};
  probe.cbSize = sizeof probe;
  probe.hWnd = main.hwnd();
  probe.uID = kTrayIconId;
  const auto held = [&] { return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE; };
  ASSERT_TRUE(held());
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &probe));

  // The shell broadcasts TaskbarCreated under that name; the program must hear it by that name.
  EXPECT_EQ(real.taskbar_created_message(), RegisterWindowMessageW(L"TaskbarCreated"));
  for (bool lost : {true, false}) {
    if (lost) {
      ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &probe));  // a restarted tray lost it
    }
    EXPECT_EQ(held(), !lost);
    SendMessageW(main.hwnd(), real.taskbar_created_message(), 0, 0);
    EXPECT_TRUE(held()) << lost;
  }
  DestroyWindow(main.hwnd());
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &probe));
}

TEST(RealSingleInstance, AMutexThisCopyMayNotOpenMeansAnotherCopyRuns) {
  // As an elevated first copy leaves it for a standard user: an empty access list.
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  ACL nobody;
  InitializeAcl(&nobody, sizeof nobody, ACL_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, &nobody, FALSE);
  SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
  const OwnedHandle first(CreateMutexW(&attributes, FALSE, L"Local\\Tamarak-3.0-resident"));
  ASSERT_TRUE(first);
  Win32Services second;
  EXPECT_TRUE(second.another_instance_running());
}

// A popup whose owner is not in front, as after a drop from another program: the program in front
// takes the press elsewhere and Escape, yet the menu ends on either; a press on it still chooses.
TEST(RealPopup, EndsOnAPressElsewhereOrEscapeWithoutTheForeground) {
  struct Front {
    HWND window = nullptr;
    int shift = 0;  // Shift presses it was given
    OwnedHandle ready{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  } front;
  // The program in front: a window of another thread, with an input queue of its own.
  const OwnedHandle other(CreateThread(
      nullptr, 0,
      [](void* data) -> DWORD {
        auto& f = *static_cast<Front*>(data);
        f.window = CreateWindowExW(0, L"STATIC", L"front", WS_POPUP | WS_VISIBLE, 600, 600, 200, 200, nullptr, nullptr,
                                   nullptr, nullptr);
        SetForegroundWindow(f.window), SetEvent(f.ready.get());
        for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0; DispatchMessageW(&msg))
          f.shift += msg.message == WM_KEYDOWN && msg.wParam == VK_SHIFT;
        DestroyWindow(f.window);
        return 0;
      },
      &front, 0, nullptr));
  WaitForSingleObject(front.ready.get(), 10000);
  ASSERT_EQ(GetForegroundWindow(), front.window);
  const OwnedWindow owner(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  const OwnedMenu menu(CreatePopupMenu());
  AppendMenuW(menu.get(), MF_STRING, 1, L"item");
  Win32Prompts prompts;
  // A press elsewhere, a press on the item (which the watch must let through to the menu), Escape, no
  // input at all (the menu ended by the system), and Escape with the owner in front, seen by the menu alone.
  for (const auto& [x, in_front] : {std::pair{700, false}, {320, false}, {0, false}, {-1, false}, {0, true}}) {
    if (in_front) ShowWindow(owner.get(), SW_SHOW), SetForegroundWindow(owner.get());
    struct Input {
      int x;
      bool forced = false;
      HWND owner;
    } input{x, false, owner.get()};
    const OwnedHandle user(CreateThread(
        nullptr, 0,
        [](void* data) -> DWORD {
          auto& in = *static_cast<Input*>(data);
          const auto menu_up = [] { return IsWindowVisible(FindWindowW(L"#32768", nullptr)) != FALSE; };
          for (int i = 0; i < 500 && !menu_up(); ++i) Sleep(10);
          if (in.x < 0) return static_cast<DWORD>(PostMessageW(in.owner, WM_CANCELMODE, 0, 0));
          // The pointer off the menu first, which ends nothing, then where it presses.
          INPUT event[4]{{INPUT_MOUSE}, {INPUT_MOUSE}, {INPUT_MOUSE}, {INPUT_MOUSE}};
          for (int i : {0, 1}) {
            event[i].mi.dx = (i == 0 || !in.x ? 700 : in.x) * 65535 / GetSystemMetrics(SM_CXSCREEN);
            event[i].mi.dy = (i == 1 && in.x == 320 ? 308 : 700) * 65535 / GetSystemMetrics(SM_CYSCREEN);
            event[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
          }
          event[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN, event[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
          for (int i = 0; i < 4 && !in.x; ++i)  // another key first, which ends nothing
            event[i] = {INPUT_KEYBOARD, {.ki = {WORD(i < 2 ? VK_SHIFT : VK_ESCAPE), 0, i % 2 ? KEYEVENTF_KEYUP : 0u}}};
          SendInput(4, event, sizeof(INPUT));
          for (int i = 0; i < 500 && menu_up(); ++i) Sleep(10);
          // Still up after five seconds: ended from here, so the test fails instead of hanging.
          if ((in.forced = menu_up())) PostMessageW(in.owner, WM_CANCELMODE, 0, 0);
          return 0;
        },
        &input, 0, nullptr));
    const MenuChoice expected{x == 320 ? 1u : 0u, x == 0};
    EXPECT_EQ(prompts.track_popup_menu(owner.get(), menu.get(), {300, 300}, in_front), expected) << x << in_front;
    WaitForSingleObject(user.get(), INFINITE);
    EXPECT_FALSE(input.forced) << x;
  }
  PostThreadMessageW(GetThreadId(other.get()), WM_QUIT, 0, 0);
  WaitForSingleObject(other.get(), 10000);
  EXPECT_EQ(front.shift, 1);  // given to the program in front as ever, while Escape is the menu's
  // An annotation is the name the proxies give; a system that refuses them (Wine does) is told once, and
  // asked no more.
  static int notes = 0;
  const FailureSink sink = set_failure_sink([](const FailureNote&) { ++notes; });
  for (int i = 0; i < 3; ++i) prompts.annotate(owner.get(), {L"名前", L"", false});
  set_failure_sink(sink);
  EXPECT_EQ(notes + (accessible_name(owner.get()) == "名前"), 1);
  // A modal showing lasts as long as its window.
  PostMessageW(owner.get(), WM_CLOSE, 0, 0);
  prompts.run_modal(owner.get());
  EXPECT_FALSE(IsWindow(owner.get()));
}

}  // namespace
}  // namespace tamarak
