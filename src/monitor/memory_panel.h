// The main window's memory panel: load, the three-by-three grid of figures and the band indicator.
#pragma once

#include "system/values.h"
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

// The callout lines Line1(0) to Line1(7), in order.
enum MemoryPanelLine : int { Line1_0 = 1, Line1_7 = Line1_0 + 7 };

// The ten captions, from one sample.
void show_figures(Controls& panel, const MemorySample& sample);
// Exactly one picture shown, and only the band's legend label and callout lines in its colour.
void show_band(Controls& panel, int band);

}  // namespace tamarak
