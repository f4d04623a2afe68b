// The main window made for real over the recording fake, as the window tests start from it; for the
// tool windows' tests with OLE up as well, as the clipboard window's drop target needs it.
#pragma once

#include <gtest/gtest.h>
#include <ole2.h>

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "app/commands.h"
#include "app/frmSysTray.h"
#include "fake_system.h"
#include "helpers.h"

namespace tamarak {

// The boxes the program showed as the user reads them, to compare with `program_box`es: each one's
// text, under the program's title, in front.
using Box = std::tuple<std::string, std::string, UINT>;
inline std::vector<Box> boxes_read(const std::vector<MessageBoxCall>& calls) {
  std::vector<Box> read;
  for (const MessageBoxCall& call : calls) read.emplace_back(call.text, call.title, call.style);
  return read;
}
inline Box program_box(std::string text, UINT style) { return {std::move(text), kProgramTitle, style | kInFront}; }

class MainWindowTest : public ::testing::Test {
 protected:
  FakeSystem system;
  ProgramLifetime lifetime;
  Form<frmSysTray> main{system, system, lifetime};

  void start() {
    ASSERT_TRUE(main.create());
    main.Form_Load();
  }
  void TearDown() override {
    if (main.hwnd()) DestroyWindow(main.hwnd());
  }

  HWND hwnd() const { return main.hwnd(); }
  std::string label(int id) const { return text_of(hwnd(), id); }
  std::vector<std::string> labels(std::initializer_list<int> ids) const { return texts_of(hwnd(), ids); }
  bool control_visible(int id) const { return GetWindowLongW(GetDlgItem(hwnd(), id), GWL_STYLE) & WS_VISIBLE; }
  void tray_callback(UINT mouse, UINT icon = kTrayIconId) { tamarak::tray_callback(hwnd(), mouse, icon); }
  // The tray popup's item with this caption, picked as the user picks it.
  void choose_from_tray(const char* caption) {
    system.popup_pick = caption;
    tray_callback(WM_RBUTTONDOWN);
  }
  void command(UINT id) { SendMessageW(hwnd(), WM_COMMAND, id, 0); }
  void tick() { SendMessageW(hwnd(), WM_TIMER, 1, 0); }
  // Takes this thread's messages until the optimiser run started has ended, its box answered.
  void finish_run() {
    ASSERT_TRUE(pump_until([&] { return !main.optimising(); }));
  }
  // The first run of a process sets up a thread, and the thread library keeps some of that for good:
  // a small run first, so that what is measured afterwards is what a run itself keeps.
  void warm_up_run() {
    const std::uint64_t total = system.memory.total_phys;
    system.memory.total_phys = 10'000'000;
    command(cmdMemLow);
    finish_run();
    system.memory.total_phys = total;
    system.message_boxes.clear();
  }
  const TrayCall& last_tray_call() const { return system.tray_calls.back(); }
};

class ToolWindowFixture : public MainWindowTest {
 protected:
  void SetUp() override {
    drop_quit_request();  // one an earlier test in this process left behind
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    start();
  }
  void TearDown() override {
    // Drop targets are revoked while OLE is still there.
    for (Window* w : std::initializer_list<Window*>{tools().app_run(), tools().clip(), tools().ip()})
      if (w && w->hwnd()) DestroyWindow(w->hwnd());
    MainWindowTest::TearDown();
    drop_quit_request();  // the last window's end asks the message loop to end
    OleUninitialize();
  }

  const ToolWindows& tools() const { return main.tool_windows(); }
  static void drop_quit_request() {
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
};

}  // namespace tamarak
