// The Japanese UI face the designed windows use, at the screen's dpi.
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace tamarak {

enum class FontStyle { normal, italic, bold };

OwnedFont make_gothic_font(int points, FontStyle style, int dpi);

}  // namespace tamarak
