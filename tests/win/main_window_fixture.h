// A main window created for real over the recording fake, as every main-window test needs it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/frmSysTray.h"
#include "fake_system.h"
#include "narrow.h"

namespace tamarak {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);

class MainWindowTest : public ::testing::Test {
 protected:
  FakeSystem system;
  ProgramLifetime lifetime;
  Form<frmSysTray> window{system, lifetime};

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
  const TrayCall& last_tray_call() const { return system.tray_calls.back(); }
};

}  // namespace tamarak
