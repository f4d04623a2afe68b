// Turns one registry value, as the wide registry API hands it over, into the text the system
// information launcher works with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tamarak {

// The value buffer: data longer than this counts as not found.
inline constexpr std::size_t kValueBufferBytes = 1024;
inline constexpr std::uint32_t kRegSz = 1, kRegDword = 4;

enum class KeyValue {
  read,
  not_found,
  // The value exists but holds no data at all: the search must stop here, not try elsewhere.
  no_data,
};

struct RawValue {
  bool queried;  // the query succeeded
  std::uint32_t type;
  std::span<const std::uint8_t> buffer;  // the zero-filled buffer the query wrote into
  std::uint32_t size;                    // the data size the query reported
};

// Strings come as UTF-16LE; one terminating zero is dropped, so a value stored with or without it
// reads the same. A DWORD becomes "&h" and upper-case hex without leading zeros. Any other type
// leaves `text` as it was passed; failures and empty values clear it.
KeyValue decode_value(const RawValue& raw, std::string& text);

}  // namespace tamarak
