// Where the program's own texts become the system's. The rules and designs write them in UTF-8;
// they become UTF-16 here, as they enter a window or a system call, and nowhere else. Texts that
// come from the system (paths, names, registry values) stay UTF-16 throughout.
#pragma once

#include <string>
#include <string_view>

namespace tamarak {

std::wstring widen(std::string_view utf8);

}  // namespace tamarak
