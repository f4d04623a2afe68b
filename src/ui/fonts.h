// The Japanese UI face the designed windows use, at the screen's dpi.
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace tamarak {

enum class FontStyle { normal, italic, bold, underline };

OwnedFont make_gothic_font(int points, FontStyle style, int dpi);
// For designs in fractional sizes such as 8.25 pt (825).
OwnedFont make_gothic_font_centipoints(int centipoints, FontStyle style, int dpi);

}  // namespace tamarak
