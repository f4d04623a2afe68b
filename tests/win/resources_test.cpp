#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands.h"
#include "base/failure_note.h"
#include "debug_output.h"
#include "fixtures.h"
#include "process_counts.h"
#include "ui/rounded_frame.h"

namespace tamarak {
namespace {

using ResourcesTest = MainWindowTest;

TEST_F(ResourcesTest, CounterSeesObjectsComeAndGo) {
  const int before = gdi_object_count();
  ASSERT_GT(before, 0);
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(gdi_object_count(), before + 1);
  DeleteObject(brush);
  EXPECT_EQ(gdi_object_count(), before);
}

TEST_F(ResourcesTest, RefreshesCreateNoGdiObjects) {
  start();
  tray_callback(WM_LBUTTONDBLCLK);
  // Warm up: every band lit once, everything painted once.
  for (unsigned load : {10u, 30u, 60u, 80u, 100u}) {
    system.memory.load = load;
    tick();
    UpdateWindow(hwnd());
  }
  const int shown = gdi_object_count();
  for (int i = 0; i < 500; ++i) {
    system.memory.load = (i * 37) % 101;  // a band change on most ticks
    system.memory.avail_phys = 1000u * i;
    tick();
    if (i % 10 == 0) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  EXPECT_EQ(gdi_object_count(), shown);
  ShowWindow(hwnd(), SW_HIDE);
  const int hidden = gdi_object_count();
  EXPECT_LT(hidden, shown);  // a hidden window keeps no picture of itself
  for (int i = 0; i < 500; ++i) tick();
  EXPECT_EQ(gdi_object_count(), hidden);
}

// One region at a time, and none left behind by a window that refuses it.
TEST_F(ResourcesTest, ShowingMinimisingAndRestoringKeepsOneRegionAndARefusedOneIsFreed) {
  start();
  tray_callback(WM_LBUTTONDBLCLK);
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  const HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  const ExpectFailures refused("SetWindowRgn");
  const int before = gdi_object_count();
  for (int i = 0; i < 100; ++i) {
    tray_callback(WM_LBUTTONDBLCLK);
    ShowWindow(hwnd(), SW_MINIMIZE);
    ShowWindow(hwnd(), SW_RESTORE);
    command(mnuFileClose);
    apply_rounded_frame(gone, 96);
  }
  EXPECT_EQ(gdi_object_count(), before);
}

// Read as DebugView reads it. A reader of the raised exceptions would see each line twice where
// OutputDebugStringW raises the wide text and then, no debugger taking it, the narrow one (Windows 10
// and later, Wine 10); the buffer gets it once everywhere.
TEST(FailureNote, TheDebuggerLineNamesTheFunctionLineAndCodeAnHresultInHex) {
  test_support::DebugOutput debug;
  write_to_debugger({L"SetWindowRgn(window, region.get(), TRUE)", "apply_rounded_frame", 1907, 1400});
  write_to_debugger({L"OleGetClipboard(&data)", "txtList_PasteFiles", 86, 0x8007000E});
  write_to_debugger({L"Shell_NotifyIconW(NIM_ADD, &data)", "add", 0, 0});  // a refusal with no code
  // A writer waits until the reader has taken the line before, so once this one is in, every copy of
  // the two notes is.
  OutputDebugStringA("end");
  std::vector<std::string> lines;
  ASSERT_TRUE(pump_until([&] {
    lines = debug.lines_of(GetCurrentProcessId());
    return !lines.empty() && lines.back() == "end";
  }));
  lines.pop_back();
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "tamarak: apply_rounded_frame:1907: SetWindowRgn(window, region.get(), TRUE) (error 1400)\n",
                       "tamarak: txtList_PasteFiles:86: OleGetClipboard(&data) (error 0x8007000E)\n",
                       "tamarak: add:0: Shell_NotifyIconW(NIM_ADD, &data) (error 0)\n"}));
  const ExpectFailures shell("HINSTANCE>(32)");  // ShellExecute's greatest failure code; 33 is its least success
  NOTE_IF_SHELL_FAILED(reinterpret_cast<HINSTANCE>(32)), NOTE_IF_SHELL_FAILED(reinterpret_cast<HINSTANCE>(33));
}

}  // namespace
}  // namespace tamarak
