#include "tools/path_name.h"

namespace tamarak {

namespace {

template <class Char>
std::basic_string_view<Char> name_after_last_backslash(std::basic_string_view<Char> path) {
  const auto slash = path.rfind(Char('\\'));
  return slash == path.npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string_view file_name_part(std::string_view path) { return name_after_last_backslash(path); }
std::wstring_view file_name_part(std::wstring_view path) { return name_after_last_backslash(path); }

}  // namespace tamarak
