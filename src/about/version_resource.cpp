#include "about/version_resource.h"

#include <algorithm>
#include <optional>

namespace tamarak {

namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::uint16_t kTextValue = 1;

std::uint16_t u16_at(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t u32_at(std::span<const std::uint8_t> bytes, std::size_t at) {
  return u16_at(bytes, at) | std::uint32_t{u16_at(bytes, at + 2)} << 16;
}

// Blocks and their parts start on 32-bit boundaries of the resource.
std::size_t aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// One node of the resource's tree: length, value length, type, a zero-terminated UTF-16 key, the
// value, then the child blocks, each part aligned.
struct Block {
  std::u16string key;
  std::span<const std::uint8_t> value;
  std::span<const std::uint8_t> whole;  // the resource, for the children's offsets
  std::size_t children = 0, end = 0;

  // The block at `offset`, or nothing when it does not fit in `limit`.
  static std::optional<Block> at(std::span<const std::uint8_t> whole, std::size_t offset, std::size_t limit) {
    if (offset + 6 > limit) return std::nullopt;
    const std::size_t length = u16_at(whole, offset);
    if (length < 6 || offset + length > limit) return std::nullopt;
    Block block;
    block.whole = whole;
    block.end = offset + length;
    const std::uint16_t value_length = u16_at(whole, offset + 2), type = u16_at(whole, offset + 4);
    std::size_t at = offset + 6;
    for (; at + 2 <= block.end; at += 2) {
      const char16_t c = u16_at(whole, at);
      if (c == 0) break;
      block.key += c;
    }
    if (at + 2 > block.end) return std::nullopt;  // the key runs past the block
    const std::size_t value_start = std::min(aligned(at + 2), block.end);
    const std::size_t value_size = type == kTextValue ? std::size_t{value_length} * 2 : value_length;
    const std::size_t value_end = std::min(value_start + value_size, block.end);
    block.value = whole.subspan(value_start, value_end - value_start);
    block.children = std::min(aligned(value_end), block.end);
    return block;
  }

  // The first child whose key is `key` (ignoring ASCII case, as language keys come in either).
  std::optional<Block> child(std::u16string_view key) const {
    for (std::size_t offset = children; offset < end;) {
      auto found = at(whole, offset, end);
      if (!found) return std::nullopt;
      if (same_key(found->key, key)) return found;
      offset = aligned(found->end);
    }
    return std::nullopt;
  }

 private:
  static bool same_key(std::u16string_view a, std::u16string_view b) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (lower(a[i]) != lower(b[i])) return false;
    return true;
  }
};

std::u16string text_of(std::span<const std::uint8_t> value) {
  std::u16string text;
  for (std::size_t at = 0; at + 2 <= value.size(); at += 2) {
    const char16_t c = u16_at(value, at);
    if (c == 0) break;
    text += c;
  }
  return text;
}

}  // namespace

VersionResource read_version_resource(std::span<const std::uint8_t> bytes) {
  VersionResource found;
  const auto root = Block::at(bytes, 0, bytes.size());
  if (!root) return found;
  if (root->value.size() >= 16 && u32_at(root->value, 0) == kFixedInfoSignature) {
    const std::uint32_t ms = u32_at(root->value, 8), ls = u32_at(root->value, 12);
    found.major = ms >> 16;
    found.minor = ms & 0xFFFF;
    found.revision = ls & 0xFFFF;
  }
  const auto variables = root->child(u"VarFileInfo");
  const auto translation = variables ? variables->child(u"Translation") : std::nullopt;
  if (!translation || translation->value.size() < 4) return found;
  // The string table named by the first language and code page, as eight lower-case hex digits.
  const std::uint32_t language = std::uint32_t{u16_at(translation->value, 0)} << 16 | u16_at(translation->value, 2);
  std::u16string key;
  for (int shift = 28; shift >= 0; shift -= 4) key += u"0123456789abcdef"[(language >> shift) & 0xF];
  const auto strings = root->child(u"StringFileInfo");
  const auto table = strings ? strings->child(key) : std::nullopt;
  const auto name = table ? table->child(u"ProductName") : std::nullopt;
  if (name) found.product_name = text_of(name->value);
  return found;
}

}  // namespace tamarak
