// The main window as designed: 508 x 147 pixels of client area at 96 dpi, its controls and lines.
#pragma once

#include <span>

#include "ui/design.h"

namespace tamarak {

inline constexpr int kMainClientWidth = 508, kMainClientHeight = 147;

// The lines of the window's own, beside the memory panel's Line1(0) to Line1(7).
enum MainWindowLine : int { lin1 = 101, lin2, Line2, Line4, Line8 };

std::span<const ControlRow> main_window_controls();
std::span<const LineRow> main_window_lines();

}  // namespace tamarak
