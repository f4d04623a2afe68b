// The registry value decoder against arbitrary query results: any type, any reported size (also
// beyond the buffer and odd), any bytes in the buffer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "about/registry_value.h"
#include "fuzz_support.h"

using namespace tamarak;
using tamarak::fuzz::require;

namespace {

constexpr std::size_t kHeaderBytes = 4;

// What the text must be for a string value: the UTF-16 units as stored, one terminating zero dropped.
std::u16string expected_units(const std::uint8_t* bytes, std::size_t size) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < size; i += 2) units += static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
  if (!units.empty() && units.back() == 0) units.pop_back();
  return units;
}

// The C library's upper-case hex, which has no leading zeros.
void check_dword_text(const std::u16string& text, const std::uint8_t* bytes) {
  char expected[16];
  std::snprintf(expected, sizeof expected, "&h%X",
                bytes[0] | bytes[1] << 8 | bytes[2] << 16 | unsigned{bytes[3]} << 24);
  require(text == std::u16string(expected, expected + std::strlen(expected)), "DWORD text is not the stored value",
          expected);
}

}  // namespace

// Header: flags (queried, huge size), type choice, reported size (16 bits); the rest is what the query
// wrote into the zero-filled buffer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeaderBytes) return 0;
  const std::uint8_t flags = data[0];
  const std::uint32_t types[] = {kRegSz, kRegDword, 2 /* REG_EXPAND_SZ */, data[1]};
  RegistryValue raw;
  raw.queried = (flags & 0x07) != 0;
  raw.type = types[data[1] & 3];
  raw.size = data[2] | data[3] << 8;
  if (flags & 0x80) raw.size = ~raw.size;
  const std::size_t payload = size - kHeaderBytes;
  std::memcpy(raw.buffer.data(), data + kHeaderBytes, payload < raw.buffer.size() ? payload : raw.buffer.size());

  const std::u16string before = u"unchanged";
  std::u16string text = before;
  const KeyValue result = decode_value(raw, text);

  if (!raw.queried || raw.size > raw.buffer.size()) {
    require(result == KeyValue::not_found && text.empty(), "failed or oversized query not reported as not found");
    return 0;
  }
  if (raw.size == 0) {
    require(result == KeyValue::no_data && text.empty(), "empty value not reported as holding no data");
    return 0;
  }
  require(result == KeyValue::read, "value within the buffer not read");
  if (raw.type == kRegSz) {
    require(text == expected_units(raw.buffer.data(), raw.size), "string value decoded wrongly");
  } else if (raw.type == kRegDword) {
    check_dword_text(text, raw.buffer.data());
  } else {
    require(text == before, "value of another type changed the text");
  }
  return 0;
}
