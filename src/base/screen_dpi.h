// The screen's dpi, which every design length is scaled by where a window cannot say its own.
#pragma once

namespace tamarak {

int screen_dpi();

}  // namespace tamarak
