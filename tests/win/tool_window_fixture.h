// The main window created for real over the recording fake, with OLE up for the clipboard window's
// drop target: what every tool window test starts from.
#pragma once

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include "app/frmSysTray.h"
#include "fake_system.h"

namespace tamarak {

class ToolWindowFixture : public ::testing::Test {
 protected:
  FakeSystem system;
  ProgramLifetime lifetime;
  Form<frmSysTray> main{system, system, lifetime};

  void SetUp() override {
    drop_quit_request();  // one an earlier test in this process left behind
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_TRUE(main.create());
    main.Form_Load();
  }
  void TearDown() override {
    // Drop targets are revoked while OLE is still there.
    for (Window* w : std::initializer_list<Window*>{tools().app_run(), tools().clip(), tools().ip()})
      if (w && w->hwnd()) DestroyWindow(w->hwnd());
    if (main.hwnd()) DestroyWindow(main.hwnd());
    drop_quit_request();  // the last window's end asks the message loop to end
    OleUninitialize();
  }

  const ToolWindows& tools() const { return main.tool_windows(); }
  void command(UINT id) { SendMessageW(main.hwnd(), WM_COMMAND, id, 0); }

 private:
  static void drop_quit_request() {
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
};

}  // namespace tamarak
