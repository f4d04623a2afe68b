// The main window's memory panel: load, the three-by-three grid of figures and the band indicator.
#pragma once

#include <windows.h>

#include <array>

#include "monitor/memory_figures.h"
#include "monitor/meter_icons.h"
#include "ui/controls.h"

namespace tamarak {

// Control ids, named as the window's designer named the controls.
enum MemoryPanelControl : int {
  Label1 = 1001,
  lblMemoryLoad,
  Label5,
  Label6,
  Label7,
  Label2,
  Label4,
  Label3,
  lblTotalPhys,
  lblAvailPhys,
  lblPhysPer,
  lblTotalPageFile,
  lblAvailPageFile,
  lblPagePer,
  lblTotalVirtual,
  lblAvailVirtual,
  lblVirtPer,
  imgIcon0,  // imgIcon(0) to imgIcon(4) follow in order
  Label8_0 = imgIcon0 + 5,
  Label9,
  Label10,
  Label11,
};

class MemoryPanel {
 public:
  MemoryPanel(ControlSet& controls, const MeterIcons& icons, HFONT font, HFONT legend_font);

  // The ten captions, from one sample.
  void show_figures(const MemorySample& sample);
  // Exactly one picture shown, and only the band's legend label and callout lines in its colour.
  void show_band(int band);

  int callout_line(int index) const { return lines_[index]; }  // Line1(index) in the control set

 private:
  ControlSet& controls_;
  std::array<HWND, 5> images_{};
  std::array<int, 8> lines_{};
};

}  // namespace tamarak
