// How the windows draw what their designs give in the system's colours.
#pragma once

namespace tamarak {

// The app mode the user has set, light or dark; high contrast, while it is on, wins over both.
enum class ColourMode { light, dark, high_contrast };

}  // namespace tamarak
