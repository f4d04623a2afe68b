// The registry value decoder against arbitrary query results: any type, any reported size (also
// beyond the buffer and odd), any bytes in the buffer, and buffers shorter than the usual one.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "about/registry_value.h"
#include "fuzz_support.h"

using namespace tamarak;
using tamarak::fuzz::require;

namespace {

constexpr std::size_t kHeaderBytes = 5;

// What the text must be for a string value: the UTF-16 units, one terminating zero dropped, lone
// surrogates replaced.
std::u32string expected_code_points(const std::uint8_t* bytes, std::size_t size) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < size; i += 2) units += static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
  if (!units.empty() && units.back() == 0) units.pop_back();
  std::u32string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    const bool high = u >= 0xD800 && u < 0xDC00, low = u >= 0xDC00 && u < 0xE000;
    if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      out += 0x10000 + ((char32_t{u} - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    } else {
      out += high || low ? U'\uFFFD' : char32_t{u};
    }
  }
  return out;
}

void check_dword_text(const std::string& text, const std::uint8_t* bytes, std::size_t length) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4 && i < length; ++i) value |= std::uint32_t{bytes[i]} << (8 * i);
  require(text.size() >= 3 && text.compare(0, 2, "&h") == 0, "DWORD text lacks its &h prefix", text);
  const std::string digits = text.substr(2);
  require(digits.size() <= 8 && (digits == "0" || digits[0] != '0'), "DWORD digits have leading zeros", text);
  std::uint32_t read_back = 0;
  for (char c : digits) {
    const bool decimal = c >= '0' && c <= '9', upper = c >= 'A' && c <= 'F';
    require(decimal || upper, "DWORD digit not upper-case hex", text);
    read_back = read_back << 4 | static_cast<std::uint32_t>(decimal ? c - '0' : c - 'A' + 10);
  }
  require(read_back == value, "DWORD text is not the stored value", text);
}

}  // namespace

// Header: flags (queried, huge size, short buffer), type choice, reported size (16 bits), buffer
// length for a short buffer; the rest is what the query wrote into the buffer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeaderBytes) return 0;
  const std::uint8_t flags = data[0];
  const bool queried = (flags & 0x07) != 0;
  const std::uint32_t types[] = {kRegSz, kRegDword, 2 /* REG_EXPAND_SZ */, data[1]};
  const std::uint32_t type = types[data[1] & 3];
  std::uint32_t reported = data[2] | data[3] << 8;
  if (flags & 0x80) reported = ~reported;
  const std::size_t length = flags & 0x40 ? data[4] % 16 : kValueBufferBytes;

  // An exact-size heap block, so any read past the buffer is caught by the address sanitizer.
  const auto buffer = std::make_unique<std::uint8_t[]>(length);
  const std::size_t payload = size - kHeaderBytes;
  if (length > 0) std::memcpy(buffer.get(), data + kHeaderBytes, payload < length ? payload : length);

  const std::string before = "unchanged";
  std::string text = before;
  const KeyValue result = decode_value({queried, type, {buffer.get(), length}, reported}, text);

  if (!queried || reported > length) {
    require(result == KeyValue::not_found && text.empty(), "failed or oversized query not reported as not found");
    return 0;
  }
  if (reported == 0) {
    require(result == KeyValue::no_data && text.empty(), "empty value not reported as holding no data");
    return 0;
  }
  require(result == KeyValue::read, "value within the buffer not read");
  if (type == kRegSz) {
    const auto decoded = fuzz::utf8_code_points(text);
    require(decoded.has_value(), "string value decoded to malformed UTF-8", text);
    require(*decoded == expected_code_points(buffer.get(), reported), "string value decoded wrongly", text);
  } else if (type == kRegDword) {
    check_dword_text(text, buffer.get(), length);
  } else {
    require(text == before, "value of another type changed the text", text);
  }
  return 0;
}
