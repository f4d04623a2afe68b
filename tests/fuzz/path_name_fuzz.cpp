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
// either the whole path or what follows a backslash.
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

bool well_formed_utf16(std::wstring_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] >= 0xD800 && s[i] < 0xDC00) {
      if (i + 1 == s.size() || s[i + 1] < 0xDC00 || s[i + 1] >= 0xE000) return false;
      ++i;
    } else if (s[i] >= 0xDC00 && s[i] < 0xE000) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input itself, not a copy: a read past its end is caught by the address sanitizer.
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  const std::string_view name = file_name_part(path);
  check_split(path, name);
  if (fuzz::utf8_code_points(path)) require(fuzz::utf8_code_points(name).has_value(), "name cut a character");

  std::wstring units;
  for (std::size_t i = 0; i + 1 < size; i += 2) units += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
  const std::wstring_view wide_path = units;
  const std::wstring_view wide_name = file_name_part(wide_path);
  check_split(wide_path, wide_name);
  if (well_formed_utf16(wide_path)) require(well_formed_utf16(wide_name), "wide name cut a surrogate pair");
  return 0;
}
