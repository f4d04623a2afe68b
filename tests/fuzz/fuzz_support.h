// Checks shared by the fuzz targets: a broken property aborts, which libFuzzer records as a crash
// together with the input that caused it.
#pragma once

#include <array>
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

  // Numbers, each followed by its text: {"時", "分"} reads "12時5分".
  template <std::size_t N>
  std::array<long long, N> integers(const std::string_view (&after)[N]) {
    std::array<long long, N> values{};
    for (std::size_t i = 0; i < N; ++i) values[i] = integer(), literal(after[i]);
    return values;
  }

  bool ends_with_nothing_but(std::string_view tail) const { return rest_ == tail; }
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_, whole_;
};

}  // namespace tamarak::fuzz
