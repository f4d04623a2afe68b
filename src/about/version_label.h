// The About window's version line, from the version numbers the program carries in its resources.
#pragma once

#include <string>

namespace tamarak {

// "ﾊﾞｰｼﾞｮﾝ 3.0.0": plain decimal numbers, no leading zeros.
std::string version_label(unsigned major, unsigned minor, unsigned revision);

}  // namespace tamarak
