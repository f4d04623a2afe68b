// The file-name splitter on arbitrary paths, as UTF-8 bytes and as 16-bit units in a wide string.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "tools/path_name.h"

using namespace tamarak;
using tamarak::fuzz::require;

namespace {

// The name must be the path's own tail (a view into it, not a copy), free of backslashes, and
// either the whole path or what follows a backslash. That also keeps every character whole: a
// backslash is never part of another character in UTF-8 or UTF-16.
template <class Char>
void check_split(std::basic_string_view<Char> path, std::basic_string_view<Char> name) {
  require(name.size() <= path.size() && name.data() + name.size() == path.data() + path.size(),
          "name is not a tail of the path");
  require(name.find(Char('\\')) == name.npos, "name holds a backslash");
  if (name.size() < path.size())
    require(path[path.size() - name.size() - 1] == Char('\\'), "name does not start after a backslash");
  else
    require(path.find(Char('\\')) == path.npos, "whole path returned although it holds a backslash");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input itself, not a copy: a read past its end is caught by the address sanitizer.
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  check_split(path, file_name_part(path));

  std::wstring units;
  for (std::size_t i = 0; i + 1 < size; i += 2) units += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
  const std::wstring_view wide_path = units;
  check_split(wide_path, file_name_part(wide_path));
  return 0;
}
