// The faces the designed windows use, made at a window's dpi.
#pragma once

#include <windows.h>

#include "base/handles.h"

namespace tamarak {

enum class Face {
  none,      // the control keeps the system's own
  gothic_9,  // the Japanese UI face, 9 pt
  gothic_9_italic,
  gothic_9_underline,  // links
  gothic_825,          // 8.25 pt
  gothic_12_bold,      // the About window's credit strip
  message,             // the system's message font, which suits whatever language the system runs in
};

OwnedFont make_font(Face face, int dpi);

}  // namespace tamarak
