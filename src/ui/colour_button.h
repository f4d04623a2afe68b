// Push buttons with a face colour of their own, which themed buttons cannot show.
#pragma once

#include <windows.h>

namespace tamarak {

void draw_colour_button(const DRAWITEMSTRUCT& item, COLORREF face);

}  // namespace tamarak
