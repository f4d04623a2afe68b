// A long session in seconds: tool windows opened, minimised, restored and closed a hundred times;
// a log-off and an exit with tool windows open.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/commands.h"
#include "fixtures.h"
#include "process_counts.h"

namespace tamarak {
namespace {

// USER objects as Windows counts them, and the windows of this thread as the program's own count
// where Wine answers 0 to the former.
struct UserObjects {
  DWORD system_count;
  int windows;
  bool operator==(const UserObjects&) const = default;
};

UserObjects user_objects() { return {GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), thread_window_count()}; }

class LongRun : public ToolWindowFixture {
 protected:
  HWND tool_window(UINT opener) const {
    const Window* w = opener == mnuFileApp    ? static_cast<const Window*>(tools().app_run())
                      : opener == mnuFileClip ? static_cast<const Window*>(tools().clip())
                                              : static_cast<const Window*>(tools().ip());
    return w ? w->hwnd() : nullptr;
  }

  // Opened, minimised, restored by its menu item as a user would, painted, and closed.
  void tool_window_cycle(UINT opener) {
    command(opener);
    const HWND window = tool_window(opener);
    ShowWindow(window, SW_MINIMIZE);
    command(opener);
    UpdateWindow(window);
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
};

class ToolWindowLongRun : public LongRun, public ::testing::WithParamInterface<UINT> {};

TEST_P(ToolWindowLongRun, AHundredCyclesLeaveNothingBehind) {
  const UINT opener = GetParam();
  tool_window_cycle(opener);  // the system's own first-use caches
  const int gdi_before = gdi_object_count();
  const UserObjects user_before = user_objects();
  for (int i = 0; i < 100; ++i) tool_window_cycle(opener);
  EXPECT_EQ(gdi_object_count(), gdi_before);
  EXPECT_EQ(user_objects(), user_before);
  EXPECT_FALSE(IsWindow(tool_window(opener)));
  EXPECT_EQ(lifetime.open_windows(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryToolWindow, ToolWindowLongRun, ::testing::Values(mnuFileApp, mnuFileClip, mnuFileIp));

// Log-off with every window open, About included: the message loop is told to end whatever is open,
// and when the program's objects then go, each window still runs its own teardown.
TEST(LogOff, WithEveryWindowOpenEndsTheProgramAndEachWindowTearsItselfDown) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  FakeSystem system;
  // Returns the references left on the clipboard window's drop target once everything is gone.
  const auto session = [&] {
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the last session's last window asked for it
    IDropTarget* target = nullptr;
    {
      ProgramLifetime lifetime;
      Form<frmSysTray> main(system, system, lifetime);
      EXPECT_TRUE(main.create());
      main.Form_Load();
      tray_callback(main.hwnd(), WM_LBUTTONDBLCLK);
      for (UINT opener : {mnuFileApp, mnuFileClip, mnuFileIp, mnuHelpVer})
        SendMessageW(main.hwnd(), WM_COMMAND, opener, 0);
      EXPECT_EQ(lifetime.open_windows(), 5);
      target = main.tool_windows().clip()->drop_target();
      target->AddRef();

      EXPECT_EQ(SendMessageW(main.hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
      EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));  // asking changes nothing
      SendMessageW(main.hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
      EXPECT_EQ(main.hwnd(), nullptr);
      EXPECT_TRUE(system.shell.icons.empty());
      EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
    return target->Release();
  };
  session();  // the system's own first-use caches
  const int gdi_before = gdi_object_count();
  const UserObjects user_before = user_objects();
  EXPECT_EQ(session(), 0u);  // drop registration revoked
  EXPECT_EQ(gdi_object_count(), gdi_before);
  EXPECT_EQ(user_objects(), user_before);
  OleUninitialize();
}

TEST_F(LongRun, ExitWithAToolWindowOpenEndsOnlyWhenItCloses) {
  command(mnuFileClip);
  command(mnuFileExit);
  EXPECT_EQ(system.tray_calls.back().operation, DWORD{NIM_DELETE});
  MSG quit;
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  SendMessageW(tool_window(mnuFileClip), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

}  // namespace
}  // namespace tamarak
