#include "about/registry_value.h"

#include <cstdio>

namespace tamarak {

namespace {

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// An odd trailing byte is not a whole character and is left out; unpaired surrogates become U+FFFD.
std::string utf16le_to_utf8(std::span<const std::uint8_t> bytes) {
  std::string out;
  const std::size_t units = bytes.size() / 2;
  auto unit = [&](std::size_t i) -> char16_t { return static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)); };
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
      append_utf8(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u < 0xE000) {
      append_utf8(out, 0xFFFD);
    } else {
      append_utf8(out, u);
    }
  }
  return out;
}

}  // namespace

KeyValue decode_value(const RawValue& raw, std::string& text) {
  if (!raw.queried || raw.size > raw.buffer.size()) {
    text.clear();
    return KeyValue::not_found;
  }
  if (raw.size == 0) {
    text.clear();
    return KeyValue::no_data;
  }
  if (raw.type == kRegSz) {
    std::span<const std::uint8_t> data = raw.buffer.first(raw.size & ~1u);
    if (data.size() >= 2 && data[data.size() - 2] == 0 && data[data.size() - 1] == 0)
      data = data.first(data.size() - 2);
    text = utf16le_to_utf8(data);
  } else if (raw.type == kRegDword) {
    // The buffer was zero-filled, so a DWORD stored short reads its missing high bytes as zero.
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < raw.buffer.size(); ++i) value |= std::uint32_t{raw.buffer[i]} << (8 * i);
    char hex[16];
    std::snprintf(hex, sizeof hex, "&h%X", static_cast<unsigned>(value));
    text = hex;
  }
  return KeyValue::read;
}

}  // namespace tamarak
