#include "app/commands.h"

#include <gtest/gtest.h>
#include <psapi.h>
#include <shlobj.h>
#include <windows.h>

#include <atomic>
#include <tuple>
#include <vector>

#include "app/frmSysTray_design.h"
#include "base/font_faces.h"
#include "commands/launch_beside_program.h"
#include "fixtures.h"
#include "optimiser/fill_size.h"
#include "process_counts.h"
#include "system/memory_fill.h"

namespace tamarak {

using namespace frmSysTray_design;
namespace {

using CommandsTest = MainWindowTest;

TEST_F(CommandsTest, EachLevelRunsFromItsButtonAndItsPopupItemAlike) {
  start();
  struct Level {
    int button;
    const char* popup_item;
    const char* message;
    OptimiserLevel strength;
  };
  const Level levels[] = {{cmdMemLow, " 20 %", "最適化完了 (・o・)", OptimiserLevel::low},
                          {cmdMemMid, " 40 %", "最適化完了 (・_・ゞ－☆", OptimiserLevel::mid},
                          {cmdMemHig, " 60 %", "最適化完了 (・_・ゞ－☆", OptimiserLevel::high},
                          {cmdMemHigHig, " 80 %", "最適化完了 ヽ(^｡^)ノ", OptimiserLevel::highest}};
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT), arrow = LoadCursorW(nullptr, IDC_ARROW);
  system.while_message_box = [&] { EXPECT_FALSE(system.efficiency.back()); };  // at full speed from the click
  for (const Level& level : levels) {
    for (bool from_popup : {false, true}) {
      system.message_boxes.clear();
      if (from_popup) {
        choose_from_tray(level.popup_item);
      } else {
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(level.button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd(), level.button)));
      }
      finish_run();
      EXPECT_EQ(boxes_read(system.message_boxes), std::vector{program_box(level.message, MB_OK)});
      EXPECT_EQ(system.last_fill_count, filler_count(system.memory.total_phys, level.strength));
      EXPECT_EQ(system.cursor_at_message_box, wait);
      EXPECT_EQ(GetCursor(), arrow);
      EXPECT_FALSE(IsWindowVisible(hwnd()));  // a run from the tray leaves the window hidden
      EXPECT_TRUE(system.efficiency.back());
    }
  }
  EXPECT_TRUE(system.shell_calls.empty());
}

TEST_F(CommandsTest, RunReallyClaimsItsMemoryGivesItBackAndStopsWhenAsked) {
  system.memory.total_phys = 3'000'000'000;  // 20 %: 28,764 strings, about 575 MB
  start();
  warm_up_run();
  const SIZE_T before = committed_bytes(memory_of());
  const SIZE_T peak_before = memory_of().PeakWorkingSetSize;  // no earlier run in this process went past 300 MB
  // Asked to stop before it begins, the fill itself stops at once, however much it was to write.
  const std::atomic<bool> asked{true};
  EXPECT_EQ(fill_and_release(50'000, StopToken(asked)), FillOutcome::stopped);
  EXPECT_LT(memory_of().PeakWorkingSetSize, peak_before + 100'000'000u);
  command(cmdMemLow);
  finish_run();
  ASSERT_EQ(system.message_boxes.size(), 1u);
  EXPECT_GE(memory_of().PeakWorkingSetSize, peak_before + 300'000'000u);
  EXPECT_LT(committed_bytes(memory_of()), before + 1'000'000u);
}

TEST_F(CommandsTest, RunOutOfMemoryStopsReleasesAndSaysSo) {
  system.memory.total_phys = 1ull << 62;  // far beyond any address space
  start();
  warm_up_run();
  const SIZE_T before = committed_bytes(memory_of());
  command(cmdMemHigHig);
  finish_run();
  ASSERT_EQ(boxes_read(system.message_boxes),
            std::vector{program_box("メモリが不足したため、最適化を中止しました。", MB_OK | MB_ICONEXCLAMATION)});
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_TRUE(IsWindow(hwnd()));
  EXPECT_LT(committed_bytes(memory_of()), before + 1'000'000u);
  system.threads_refused = true;  // no thread for the run: out of memory at once, and noted
  {
    const ExpectFailures refused("start_thread");
    command(cmdMemLow);
    finish_run();
  }
  EXPECT_EQ(system.message_boxes.size(), 2u);
  EXPECT_EQ(system.message_boxes.back().text, system.message_boxes[0].text);
  system.threads_refused = false;
  system.memory.total_phys = 268'435'456;
  command(cmdMemLow);  // and the program goes on working
  finish_run();
  EXPECT_EQ(system.message_boxes.back().text, "最適化完了 (・o・)");
}

TEST_F(CommandsTest, DuringARunTheTrayRefreshesNoOtherWorkStartsAndAnExitWaitsForTheRelease) {
  const OwnedHandle gate(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  system.fill_gate = gate.get();
  start();
  ShowWindow(hwnd(), SW_SHOW);
  command(cmdMemLow);
  ASSERT_TRUE(main.optimising());
  EXPECT_FALSE(IsWindowEnabled(hwnd()));
  EXPECT_TRUE(system.message_boxes.empty());  // nothing is said before the memory is released

  // The timer goes on ticking into the tray.
  const size_t calls = system.tray_calls.size();
  system.memory.load = 77;
  EXPECT_TRUE(pump_until([&] { return system.tray_calls.size() > calls; }));
  EXPECT_EQ(last_tray_call().operation, DWORD{NIM_MODIFY});

  // No other work: a second run, a tool window, an exit, the popup menu. Hiding and showing the
  // window are taken.
  for (UINT refused : {cmdMemHig, mnuFileApp, mnuFileExit, mnuPopupDustDel}) command(refused);
  tray_callback(WM_RBUTTONDOWN);
  EXPECT_TRUE(system.popups.empty());
  EXPECT_EQ(main.tool_windows().app_run(), nullptr);
  EXPECT_TRUE(system.shell_calls.empty());
  EXPECT_TRUE(IsWindow(hwnd()));
  command(mnuFileClose);
  EXPECT_FALSE(IsWindowVisible(hwnd()));
  command(mnuPopupOpen);
  EXPECT_TRUE(IsWindowVisible(hwnd()));

  // A close from outside waits for the release, then goes through as before: no box, no icon.
  const HWND handle = hwnd();
  SendMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(handle));
  SetEvent(gate.get());
  finish_run();
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(system.message_boxes.empty() && system.shell.icons.empty());
  EXPECT_EQ(system.fills, 1);
  EXPECT_FALSE(lifetime.busy());
}

// A run started from the tray while the last run's box is still up: one busy state from the first
// click until the second run has told its end.
TEST_F(CommandsTest, ARunStartedWhileTheLastOnesBoxIsUpKeepsTheProgramBusyUntilItEnds) {
  const OwnedHandle gate(CreateEventW(nullptr, TRUE, TRUE, nullptr));
  system.fill_gate = gate.get();
  start();
  ShowWindow(hwnd(), SW_SHOW);
  system.while_message_box = [&] {
    system.while_message_box = nullptr;
    choose_from_tray("ゴミ箱を空にする");  // its confirmation box enables the window as it closes
    EXPECT_FALSE(IsWindowEnabled(hwnd()));
    ResetEvent(gate.get());
    choose_from_tray(" 40 %");
  };
  command(cmdMemLow);
  EXPECT_TRUE(pump_until([&] { return system.message_boxes.size() == 1 && main.optimising(); }));
  EXPECT_TRUE(lifetime.busy());
  EXPECT_FALSE(IsWindowEnabled(hwnd()));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  SetEvent(gate.get());
  finish_run();
  EXPECT_FALSE(lifetime.busy());
  EXPECT_TRUE(IsWindowEnabled(hwnd()));
  EXPECT_EQ(system.message_boxes.back().text, "最適化完了 (・_・ゞ－☆");
}

TEST_F(CommandsTest, LogOffDuringARunCutsItShortAndEndsOnceTheMemoryIsReleased) {
  const OwnedHandle gate(CreateEventW(nullptr, TRUE, FALSE, nullptr));  // never opened
  system.fill_gate = gate.get();
  start();
  command(cmdMemHigHig);
  ASSERT_TRUE(main.optimising());
  SendMessageW(hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_FALSE(main.optimising());
  EXPECT_EQ(hwnd(), nullptr);
  EXPECT_TRUE(system.shell.icons.empty() && system.message_boxes.empty());
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The hourglass over the client area and over a window that takes no input; but a click on the
// latter is the system's to answer, with a beep and the box brought forward, and the frame and
// caption keep the system's pointers.
TEST_F(CommandsTest, BusyPointerOverTheWindowButClicksAndTheFrameLeftToTheSystem) {
  start();
  ShowWindow(hwnd(), SW_SHOW);
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  const std::tuple<WORD, WORD, bool> pointers[] = {{HTCLIENT, WM_MOUSEMOVE, true},
                                                   {HTERROR, WM_MOUSEMOVE, true},
                                                   {HTERROR, WM_LBUTTONDOWN, false},
                                                   {HTCAPTION, WM_MOUSEMOVE, false},
                                                   {HTBORDER, WM_MOUSEMOVE, false}};
  std::vector<bool> waited;
  system.while_message_box = [&] {
    for (const auto& [hit, mouse, busy] : pointers) {
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      SendMessageW(hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd()), MAKELPARAM(hit, mouse));
      waited.push_back(GetCursor() == wait);
    }
  };
  command(cmdMemLow);
  finish_run();
  ASSERT_EQ(waited.size(), std::size(pointers));
  for (size_t i = 0; i < waited.size(); ++i) EXPECT_EQ(waited[i], std::get<2>(pointers[i])) << i;
}

TEST_F(CommandsTest, ShellCommandsMakeExactlyOneCallEach) {
  start();
  choose_from_tray("ゴミ箱を空にする");
  choose_from_tray("｢最近使ったファイル｣ を削除");
  ASSERT_EQ(system.shell_calls.size(), 2u);
  EXPECT_EQ(system.shell_calls[0].what + " " + system.shell_calls[1].what, "recycle recent");
  EXPECT_EQ(system.shell_calls[0].owner, hwnd());
  // A bin already empty and a declined confirmation are no failures; anything else is noted.
  for (HRESULT answer : {S_FALSE, E_UNEXPECTED, HRESULT_FROM_WIN32(ERROR_CANCELLED)})
    system.recycle_answer = answer, command(mnuPopupDustDel);
  const ExpectFailures refused("shell_empty_recycle_bin");
  system.recycle_answer = E_ACCESSDENIED;
  command(mnuPopupDustDel);

  const std::u16string own_folder = own_program_folder();
  const std::string folder = narrow(std::wstring(own_folder.begin(), own_folder.end()));
  const std::string help = folder + "\\help.htm", saver = folder + "\\ss\\Tamarak's SS.scr";
  // From the menu bar and from the popup alike.
  struct Launch {
    UINT id;
    const char* popup_item;
    std::string file;
  } launches[] = {{mnuHelpHelp, "ヘルプファイルを表示", help}, {mnuFileScreenNew, "オリジナル", saver}};
  for (const auto& [id, popup_item, file] : launches) {
    for (bool from_popup : {false, true}) {
      system.shell_calls.clear();
      if (from_popup)
        choose_from_tray(popup_item);
      else
        command(id);
      ASSERT_EQ(system.shell_calls.size(), 1u) << id;
      const ShellCall& call = system.shell_calls[0];
      EXPECT_EQ(call.what, "open file");
      EXPECT_EQ(call.owner, hwnd());
      EXPECT_EQ(call.file, file);
      EXPECT_EQ(call.folder, folder);
    }
  }
  EXPECT_TRUE(system.message_boxes.empty());

  // Each shell call brings COM up itself, first on a thread that had none.
  using Call = void (*)(SystemServices&);
  for (Call call : {+[](SystemServices& s) { s.empty_recycle_bin(nullptr); },
                    +[](SystemServices& s) { s.clear_recent_documents(); },
                    +[](SystemServices& s) { s.open_file(nullptr, L"a.htm", L"C:\\"); },
                    +[](SystemServices& s) { s.open_link(L"mailto:a@b"); }}) {
    const OwnedHandle thread(CreateThread(
        nullptr, 0,
        [](void* data) -> DWORD {
          FakeSystem alone;
          (*static_cast<Call*>(data))(alone);
          return alone.shell_calls.size() == 1 && alone.shell_calls[0].in_apartment;
        },
        &call, 0, nullptr));
    DWORD in_apartment = 0;
    WaitForSingleObject(thread.get(), INFINITE);
    EXPECT_TRUE(GetExitCodeThread(thread.get(), &in_apartment) && in_apartment == 1);
  }
}

TEST_F(CommandsTest, SystemScreenSaverIsAskedOfTheMainWindowEvenWhenHidden) {
  start();
  for (bool from_popup : {false, true}) {
    const OwnedHook hook = record_sent_messages();
    if (from_popup)
      choose_from_tray("デフォルト");
    else
      command(mnuFileScreenMoto);
    int saver_requests = 0;
    for (const MSG& m : g_sent)
      if (m.hwnd == hwnd() && m.message == WM_SYSCOMMAND && m.wParam == SC_SCREENSAVE && m.lParam == 0)
        ++saver_requests;
    EXPECT_EQ(saver_requests, 1) << from_popup;
  }
  EXPECT_TRUE(system.shell_calls.empty() && system.message_boxes.empty());
}

// The saver's text in a face the system has; one it lacks is not taken for one it has.
TEST(RealFaces, OneTheSystemHasIsFoundAndAMissingOneIsNot) {
  EXPECT_EQ(std::pair(face_installed(L"Tahoma"), face_installed(L"Tamarak Missing Face")), std::pair(true, false));
}

TEST_F(CommandsTest, UptimeReportReadsTheTickCountOnce) {
  system.uptime_ms = 4'294'967'296ull + 3'723'999;  // past the 49.7 days a 32-bit count could hold
  start();
  command(mnuFileTime);
  EXPECT_EQ(boxes_read(system.message_boxes),
            std::vector{program_box("起動してから，1194時間4分51秒 経過しました", MB_OK)});
}

TEST_F(CommandsTest, RoundedOutlineFollowsEveryResize) {
  start();
  EXPECT_FALSE(outline_of(hwnd()).shaped);  // no region before the first showing
  RECT normal, small, restored;
  for (int cycle = 0; cycle < 3; ++cycle) {
    tray_callback(WM_LBUTTONDBLCLK);
    GetWindowRect(hwnd(), &normal);
    EXPECT_TRUE(rounded(hwnd()));
    ShowWindow(hwnd(), SW_MINIMIZE);
    GetWindowRect(hwnd(), &small);
    EXPECT_EQ(outline_of(hwnd()).box.right, small.right - small.left - 1);
    ShowWindow(hwnd(), SW_RESTORE);
    GetWindowRect(hwnd(), &restored);
    EXPECT_TRUE(EqualRect(&restored, &normal));
    EXPECT_TRUE(rounded(hwnd()));
    SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

}  // namespace
}  // namespace tamarak
