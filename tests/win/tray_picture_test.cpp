// The tray picture at the shell's small icon size, redrawn when the dpi or the icon size changes.
#include <gtest/gtest.h>

#include "app/frmSysTray_design.h"
#include "fixtures.h"
#include "icon_picture.h"
#include "monitor/meter_icons.h"
#include "process_counts.h"
#include "system/win32_services.h"
#include "ui/window.h"

namespace tamarak {

using namespace frmSysTray_design;
namespace {

TEST(MeterIcons, EverySizeShowsItsPicturesPixelForPixel) {
  // Odd widths and widths that are no multiple of 16 exercise the padding of the mask rows.
  for (int size : {16, 17, 20, 24, 32, 48}) {
    const MeterIcons icons(size);
    EXPECT_EQ(icons.size(), size);
    for (int band = 0; band < 5; ++band)
      EXPECT_EQ(icon_picture(icons[band]), meter_picture(band, size)) << "size " << size << " band " << band;
  }
}

TEST(SmallIconSize, FollowsTheDpiAskedFor) {
  Win32Services real;
  EXPECT_EQ(real.small_icon_size(96), 16);
  EXPECT_EQ(real.small_icon_size(144), 24);
  EXPECT_EQ(real.small_icon_size(192), 32);
}

TEST_F(MainWindowTest, TrayPictureFollowsTheTaskbarNotTheWindowWithoutLeaking) {
  system.memory.load = 80;
  start();
  const auto taskbar_at = [&](int dpi) {
    system.taskbar = dpi;
    SendMessageW(hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  };
  for (int dpi : {144, 192, 120, 96}) {
    const size_t calls = system.tray_calls.size();
    taskbar_at(dpi);
    ASSERT_EQ(system.tray_calls.size(), calls + 1) << "no waiting for the next tick at " << dpi;
    EXPECT_EQ(last_tray_call().operation, DWORD{NIM_MODIFY});
    EXPECT_EQ(icon_picture(last_tray_call().record.hIcon), meter_picture(3, dpi / 6)) << dpi;  // 16 at 96 dpi
  }
  const size_t calls = system.tray_calls.size();
  taskbar_at(96);
  EXPECT_EQ(system.tray_calls.size(), calls) << "same size, nothing to redraw";

  // The window moved to a monitor of another scale takes the panel's picture along, not the tray's.
  ShowWindow(hwnd(), SW_SHOW);
  RECT suggested;
  GetWindowRect(hwnd(), &suggested);
  SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(system.tray_calls.size(), calls);
  const auto panel_icon = reinterpret_cast<HICON>(SendDlgItemMessageW(hwnd(), imgIcon0 + 3, STM_GETICON, 0, 0));
  EXPECT_EQ(icon_picture(panel_icon), meter_picture(3, 48));

  UpdateWindow(hwnd());
  const int objects = gdi_object_count();
  for (int round = 0; round < 10; ++round) {
    taskbar_at(144);
    taskbar_at(96);
  }
  EXPECT_EQ(gdi_object_count(), objects);
}

TEST_F(MainWindowTest, SettingChangesRedrawTheTrayPictureOnlyWhenTheIconSizeChanged) {
  ASSERT_TRUE(main.create());
  system.small_icon_at_96_dpi = 20;
  SendMessageW(hwnd(), WM_SETTINGCHANGE, 0, 0);
  EXPECT_TRUE(system.tray_calls.empty()) << "no icon before start-up adds it";
  main.Form_Load();
  const int dpi = screen_dpi();
  EXPECT_EQ(icon_picture(last_tray_call().record.hIcon), meter_picture(1, MulDiv(20, dpi, 96)));

  const size_t calls = system.tray_calls.size();
  SendMessageW(hwnd(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  SendMessageW(hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  EXPECT_EQ(system.tray_calls.size(), calls);

  system.small_icon_at_96_dpi = 24;
  SendMessageW(hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  ASSERT_EQ(system.tray_calls.size(), calls + 1);
  EXPECT_EQ(icon_picture(last_tray_call().record.hIcon), meter_picture(1, MulDiv(24, dpi, 96)));
  system.small_icon_at_96_dpi = 16;
  SendMessageW(hwnd(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  ASSERT_EQ(system.tray_calls.size(), calls + 2);
  EXPECT_EQ(icon_picture(last_tray_call().record.hIcon), meter_picture(1, MulDiv(16, dpi, 96)));
}

}  // namespace
}  // namespace tamarak
