// The program keeps its texts in UTF-8; the system takes UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace tamarak {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace tamarak
