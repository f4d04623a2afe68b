#include "about/registry_value.h"

namespace tamarak {

KeyValue decode_value(const RegistryValue& raw, std::u16string& text) {
  if (!raw.queried || raw.size > raw.buffer.size()) {
    text.clear();
    return KeyValue::not_found;
  }
  if (raw.size == 0) {
    text.clear();
    return KeyValue::no_data;
  }
  if (raw.type == kRegSz) {
    std::size_t units = raw.size / 2;
    if (units > 0 && raw.buffer[2 * units - 2] == 0 && raw.buffer[2 * units - 1] == 0) --units;
    text.clear();
    for (std::size_t i = 0; i < units; ++i)
      text += static_cast<char16_t>(raw.buffer[2 * i] | raw.buffer[2 * i + 1] << 8);
  } else if (raw.type == kRegDword) {
    // The buffer was zero-filled, so a DWORD stored short reads its missing high bytes as zero.
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{raw.buffer[i]} << (8 * i);
    text = u"&h";
    int shift = 28;
    while (shift > 0 && (value >> shift) == 0) shift -= 4;
    for (; shift >= 0; shift -= 4) text += u"0123456789ABCDEF"[(value >> shift) & 0xF];
  }
  return KeyValue::read;
}

}  // namespace tamarak
