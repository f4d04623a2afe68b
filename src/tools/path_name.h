// The file-name part of a dropped path.
#pragma once

#include <string_view>

namespace tamarak {

// Everything after the last backslash, or the whole path when it holds none; a path ending in a
// backslash (a drive root) has an empty name. UTF-8 and UTF-16 alike: a backslash never occurs
// inside another character in either.
std::string_view file_name_part(std::string_view path);
std::wstring_view file_name_part(std::wstring_view path);

}  // namespace tamarak
