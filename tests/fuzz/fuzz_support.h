// Checks shared by the fuzz targets: a broken property aborts, which libFuzzer records as a crash
// together with the input that caused it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace tamarak::fuzz {

[[noreturn]] inline void fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "property broken: %s [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void require(bool holds, const char* what, std::string_view detail = {}) {
  if (!holds) fail(what, detail);
}

// Strict UTF-8 to code points: no overlong forms, no surrogates, nothing above U+10FFFF.
inline std::optional<std::u32string> utf8_code_points(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra;
    char32_t c;
    if (lead < 0x80) {
      extra = 0, c = lead;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      extra = 1, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      extra = 2, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      extra = 3, c = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (s.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
    out += c;
    i += 1 + extra;
  }
  return out;
}

// A decimal integer as the rules write it: optional minus, no leading zeros, no "-0".
inline std::optional<long long> plain_integer(std::string_view s) {
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) s.remove_prefix(1);
  if (s.empty() || s.size() > 19 || (s[0] == '0' && s.size() > 1) || (negative && s == "0")) return std::nullopt;
  unsigned long long value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > static_cast<unsigned long long>(INT64_MAX)) return std::nullopt;
  return negative ? -static_cast<long long>(value) : static_cast<long long>(value);
}

// Reads a text piece by piece from the front.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : rest_(text), whole_(text) {}

  void literal(std::string_view expected) {
    if (rest_.substr(0, expected.size()) != expected) fail("expected text missing", whole_);
    rest_.remove_prefix(expected.size());
  }

  long long integer() {
    std::size_t n = rest_.size() > 0 && rest_[0] == '-' ? 1 : 0;
    while (n < rest_.size() && rest_[n] >= '0' && rest_[n] <= '9') ++n;
    const auto value = plain_integer(rest_.substr(0, n));
    if (!value) fail("malformed number", whole_);
    rest_.remove_prefix(n);
    return *value;
  }

  bool ends_with_nothing_but(std::string_view tail) const { return rest_ == tail; }
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_, whole_;
};

}  // namespace tamarak::fuzz
