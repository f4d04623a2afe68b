// A main window created for real over the recording fake, as every main-window test needs it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/commands.h"
#include "app/frmSysTray.h"
#include "app/program_identity.h"
#include "fake_system.h"
#include "narrow.h"

namespace tamarak {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);

class MainWindowTest : public ::testing::Test {
 protected:
  FakeSystem system;
  ProgramLifetime lifetime;
  Form<frmSysTray> window{system, system, lifetime};

  void start() {
    ASSERT_TRUE(window.create());
    window.Form_Load();
  }
  void TearDown() override {
    if (window.hwnd()) DestroyWindow(window.hwnd());
  }

  HWND hwnd() const { return window.hwnd(); }
  std::string text_of(int id) const {
    wchar_t buffer[256];
    GetDlgItemTextW(hwnd(), id, buffer, 256);
    return narrow(buffer);
  }
  bool control_visible(int id) const { return GetWindowLongW(GetDlgItem(hwnd(), id), GWL_STYLE) & WS_VISIBLE; }
  void tray_callback(WPARAM id, LPARAM mouse) { SendMessageW(hwnd(), WM_USER + 100, id, mouse); }
  void tick() { SendMessageW(hwnd(), WM_TIMER, 1, 0); }
  // Takes this thread's messages until the optimiser run started has ended, its box answered.
  void finish_run() {
    const ULONGLONG end = GetTickCount64() + 60000;
    while (window.optimising() && GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    ASSERT_FALSE(window.optimising());
  }
  // The first run of a process sets up a thread, and the thread library keeps some of that for good:
  // a small run first, so that what is measured afterwards is what a run itself keeps.
  void warm_up_run() {
    const std::uint64_t total = system.memory.total_phys;
    system.memory.total_phys = 10'000'000;
    SendMessageW(hwnd(), WM_COMMAND, cmdMemLow, 0);
    finish_run();
    system.memory.total_phys = total;
    system.message_boxes.clear();
  }
  const TrayCall& last_tray_call() const { return system.tray_calls.back(); }
};

}  // namespace tamarak
