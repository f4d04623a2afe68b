// Every designed window laid out as designed when made, and when moved to a monitor of another
// scale as the same window made there would be, leaving nothing behind on the way.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "about/frmAbout.h"
#include "app/frmSysTray_design.h"
#include "fixtures.h"
#include "layout_checks.h"
#include "monitor/memory_panel.h"
#include "optimiser/optimiser_band.h"
#include "process_counts.h"
#include "tools/tool_identity.h"

namespace tamarak {
namespace {

// What the system suggests: the window where it stands, sized around its client area at the new
// scale (the frame keeps its own size here, as Wine does not scale it).
void change_dpi(HWND window, SIZE design_client, int dpi) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const RECT suggested{outer.left, outer.top, outer.right + scale_to_dpi(design_client.cx, dpi) - client.right,
                       outer.bottom + scale_to_dpi(design_client.cy, dpi) - client.bottom};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// A window once open, and the table it was made from.
struct Opened {
  HWND window;
  std::span<const ControlRow> rows;
};

struct Designed {
  const char* name;
  std::function<Opened()> open;
  SIZE client;
  std::initializer_list<int> filled, resized;
};

class DpiTest : public ToolWindowFixture {};

TEST_F(DpiTest, EveryWindowAsDesignedWhenMadeAndAtEveryScaleAsIfMadeThere) {
  using namespace ip_controls;
  Form<frmAbout> about(system, system, lifetime);  // the fake's modal showing returns at once, leaving it up
  const Designed windows[] = {
      {"main window",
       [&] {
         tray_callback(WM_LBUTTONDBLCLK);
         return Opened{main.hwnd(), main_window_controls()};
       },
       {kMainClientWidth, kMainClientHeight},
       {lblMemoryLoad, lblTotalPhys, lblAvailPhys, lblPhysPer, lblTotalPageFile, lblAvailPageFile, lblPagePer,
        lblTotalVirtual, lblAvailVirtual, lblVirtPer, Label17, Label16, Label15, Label18},
       {}},
      {"process list",
       [&] {
         command(mnuFileApp);
         return Opened{tools().app_run()->hwnd(), tools().app_run()->design()};
       },
       {433, 488},
       {},
       {}},
      {"clipboard",
       [&] {
         command(mnuFileClip);
         return Opened{tools().clip()->hwnd(), tools().clip()->design()};
       },
       {569, 343},
       {},
       {clip_controls::txtList}},
      {"IP/OS",
       [&] {
         command(mnuFileIp);
         return Opened{tools().ip()->hwnd(), tools().ip()->design()};
       },
       {259, 198},
       {txtIp, txtPc, txtOsName, txtOsVer, txtOsBuild},
       {}},
      {"About",
       [&] {
         about.Show(nullptr);  // its credit strip scrolls, and so is left out
         return Opened{about.hwnd(), frmAbout::design().first(frmAbout::design().size() - 2)};
       },
       {388, 359},
       {frmAbout::lblTitle, frmAbout::lblVersion},
       {}},
  };
  for (const Designed& designed : windows) {
    SCOPED_TRACE(designed.name);
    const auto [window, rows] = designed.open();
    ASSERT_TRUE(window);
    expect_laid_out_as_designed(window, rows, designed.client, screen_dpi(), designed.filled, designed.resized);
    // Once round first: the system's own caches for each scale.
    for (int dpi : {144, 192, 96}) change_dpi(window, designed.client, dpi);
    UpdateWindow(window);
    const int objects = gdi_object_count();
    for (int dpi : {144, 192, 96}) {
      change_dpi(window, designed.client, dpi);
      UpdateWindow(window);
      expect_laid_out_as_designed(window, rows, designed.client, dpi, designed.filled, designed.resized);
      if (window != main.hwnd()) continue;
      const HRGN region = CreateRectRgn(0, 0, 0, 0);  // its corners as round at every scale
      EXPECT_NE(GetWindowRgn(window, region), ERROR);
      EXPECT_FALSE(PtInRegion(region, scale_to_dpi(3, dpi), scale_to_dpi(3, dpi))) << dpi;
      DeleteObject(region);
    }
    EXPECT_EQ(gdi_object_count(), objects);

    // The size for a scale is the window's to say (WM_GETDPISCALEDSIZE): asked at another scale for
    // this one, the size it has here.
    RECT outer;
    GetWindowRect(window, &outer);
    change_dpi(window, designed.client, 144);
    SIZE exact{};
    EXPECT_TRUE(SendMessageW(window, 0x02E4, 96, reinterpret_cast<LPARAM>(&exact)));
    EXPECT_EQ(exact.cx, outer.right - outer.left);
    EXPECT_EQ(exact.cy, outer.bottom - outer.top);
    if (window == main.hwnd()) continue;
    // Closed at another scale and opened again: made at the scale of the monitor it is on now.
    SendMessageW(window, WM_CLOSE, 0, 0);
    const auto [again, same_rows] = designed.open();
    expect_laid_out_as_designed(again, same_rows, designed.client, window_dpi(again), designed.filled,
                                designed.resized);
  }
  DestroyWindow(about.hwnd());
}

}  // namespace
}  // namespace tamarak
