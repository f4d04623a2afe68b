// Every designed window laid out as designed when made, and when moved to a monitor of another
// scale as the same window made there would be, leaving nothing behind on the way.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "about/frmAbout.h"
#include "app/frmSysTray_design.h"
#include "fixtures.h"
#include "layout_checks.h"
#include "process_counts.h"
#include "tools/frmAppRun_design.h"
#include "tools/frmClip_design.h"
#include "tools/frmIp_design.h"

namespace tamarak {

using namespace frmSysTray_design;
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

struct Designed {
  const char* name;
  std::function<HWND()> open;
  const WindowDesign& design;
  std::initializer_list<int> filled, resized;
};

class DpiTest : public ToolWindowFixture {};

TEST_F(DpiTest, EveryWindowAsDesignedWhenMadeAndAtEveryScaleAsIfMadeThere) {
  using namespace frmIp_design;
  Form<frmAbout> about(system, system, lifetime);  // the fake's modal showing returns at once, leaving it up
  const Designed windows[] = {
      {"main window",
       [&] {
         tray_callback(WM_LBUTTONDBLCLK);
         return main.hwnd();
       },
       frmSysTray_design::kDesign,
       {lblMemoryLoad, lblTotalPhys, lblAvailPhys, lblPhysPer, lblTotalPageFile, lblAvailPageFile, lblPagePer,
        lblTotalVirtual, lblAvailVirtual, lblVirtPer, Label17, Label16, Label15, Label18},
       {}},
      {"process list", [&] { return command(mnuFileApp), tools().app_run()->hwnd(); }, frmAppRun_design::kDesign},
      {"clipboard",
       [&] { return command(mnuFileClip), tools().clip()->hwnd(); },
       frmClip_design::kDesign,
       {},
       {frmClip_design::txtList}},
      {"IP/OS",
       [&] { return command(mnuFileIp), tools().ip()->hwnd(); },
       frmIp_design::kDesign,
       {txtIp, txtPc, txtOsName, txtOsVer, txtOsBuild}},
      // The credit strip scrolls.
      {"About",
       [&] { return about.Show(nullptr), about.hwnd(); },
       frmAbout_design::kDesign,
       {frmAbout_design::lblTitle, frmAbout_design::lblVersion, frmAbout_design::Text1},
       {frmAbout_design::Picture2}},
  };
  for (const Designed& designed : windows) {
    SCOPED_TRACE(designed.name);
    const HWND window = designed.open();
    ASSERT_TRUE(window);
    const SIZE client{designed.design.client_width, designed.design.client_height};
    const auto expect_as_designed = [&](HWND made, int dpi) {
      expect_laid_out_as_designed(made, designed.design.controls, client, dpi, designed.filled, designed.resized);
    };
    expect_as_designed(window, screen_dpi());
    // Once round first: the system's own caches for each scale.
    for (int dpi : {144, 192, 96}) change_dpi(window, client, dpi);
    UpdateWindow(window);
    const int objects = gdi_object_count();
    for (int dpi : {144, 192, 96}) {
      change_dpi(window, client, dpi);
      UpdateWindow(window);
      expect_as_designed(window, dpi);
      if (window != main.hwnd()) continue;
      const OwnedRegion region(CreateRectRgn(0, 0, 0, 0));  // its corners as round at every scale
      EXPECT_NE(GetWindowRgn(window, region.get()), ERROR);
      EXPECT_FALSE(PtInRegion(region.get(), scale_to_dpi(3, dpi), scale_to_dpi(3, dpi))) << dpi;
    }
    EXPECT_EQ(gdi_object_count(), objects);

    // The size for a scale is the window's to say (WM_GETDPISCALEDSIZE): asked at another scale for
    // this one, the size it has here.
    RECT outer;
    GetWindowRect(window, &outer);
    change_dpi(window, client, 144);
    SIZE exact{};
    EXPECT_TRUE(SendMessageW(window, 0x02E4, 96, reinterpret_cast<LPARAM>(&exact)));
    EXPECT_EQ(std::pair(exact.cx, exact.cy), std::pair(outer.right - outer.left, outer.bottom - outer.top));
    if (window == main.hwnd()) continue;
    // Closed at another scale and opened again: made at the scale of the monitor it is on now.
    SendMessageW(window, WM_CLOSE, 0, 0);
    const HWND again = designed.open();
    expect_as_designed(again, window_dpi(again));
  }
  DestroyWindow(about.hwnd());
}

}  // namespace
}  // namespace tamarak
