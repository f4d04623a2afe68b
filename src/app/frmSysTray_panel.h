// What the main window's controls show: the memory panel's figures and band, and the optimiser
// band's amounts.
#pragma once

#include <cstdint>

#include "system/values.h"
#include "ui/controls.h"

namespace tamarak {

// The ten captions, from one sample.
void show_figures(Controls& panel, const MemorySample& sample);
// Exactly one picture shown, and only the band's legend label and callout lines in its colour.
void show_band(Controls& panel, int band);
// The amount labels, set once at start-up from the total physical memory; never refreshed.
void show_amounts(Controls& band, std::uint64_t total_phys);

}  // namespace tamarak
