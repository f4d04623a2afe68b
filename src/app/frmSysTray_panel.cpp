#include "app/frmSysTray_panel.h"

#include "app/frmSysTray_design.h"
#include "monitor/memory_figures.h"

namespace tamarak {

using namespace frmSysTray_design;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Lit {
  int label;
  int line_a, line_b;  // Line1 indices
  COLORREF colour;
};

// Band 1 to 4; band 0 lights nothing.
constexpr Lit kLit[5] = {
    {0, 0, 0, 0},
    {Label11, 1, 5, RGB(0, 255, 0)},
    {Label10, 6, 2, RGB(0, 255, 0)},
    {Label9, 3, 7, RGB(255, 255, 0)},
    {Label8_0, 0, 4, RGB(255, 0, 0)},
};

}  // namespace

void show_figures(Controls& panel, const MemorySample& s) {
  panel.set_text(lblMemoryLoad, load_text(s.load));
  panel.set_text(lblTotalPhys, size_text(s.total_phys));
  panel.set_text(lblAvailPhys, size_text(s.avail_phys));
  panel.set_text(lblTotalPageFile, size_text(s.total_page_file));
  panel.set_text(lblAvailPageFile, size_text(s.avail_page_file));
  panel.set_text(lblTotalVirtual, size_text(s.total_virtual));
  panel.set_text(lblAvailVirtual, size_text(s.avail_virtual));
  panel.set_text(lblPhysPer, used_share_text(s.avail_phys, s.total_phys));
  panel.set_text(lblPagePer, used_share_text(s.avail_page_file, s.total_page_file));
  panel.set_text(lblVirtPer, used_share_text(s.avail_virtual, s.total_virtual));
}

void show_band(Controls& panel, int band) {
  // The outcome of "reset everything, then light the band", applied without touching what stays
  // the same, so the indicator does not flicker every two seconds.
  for (int b = 0; b < 5; ++b) {
    const HWND picture = panel.item(imgIcon0 + b);
    const bool shown = GetWindowLongW(picture, GWL_STYLE) & WS_VISIBLE;
    if (shown != (b == band)) ShowWindow(picture, b == band ? SW_SHOWNA : SW_HIDE);
  }
  for (int b = 1; b < 5; ++b) {
    const COLORREF colour = b == band ? kLit[b].colour : kWhite;
    panel.set_text_colour(kLit[b].label, colour);
    panel.set_line_colour(Line1_0 + kLit[b].line_a, colour);
    panel.set_line_colour(Line1_0 + kLit[b].line_b, colour);
  }
}

void show_amounts(Controls& band, std::uint64_t total_phys) {
  constexpr std::pair<int, double> kAmounts[] = {{Label17, 0.2}, {Label16, 0.4}, {Label15, 0.6}, {Label18, 0.8}};
  for (const auto& [label, share] : kAmounts) band.set_text(label, amount_text(total_phys, share));
}

}  // namespace tamarak
