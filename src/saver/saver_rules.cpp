#include "saver/saver_rules.h"

namespace tamarak {

namespace {

constexpr bool is_blank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view trimmed(std::wstring_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// A window handle as Windows writes it: decimal digits, nonzero, fitting a pointer. 0 for anything else.
std::uintptr_t handle_value(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 20) return 0;
  std::uintptr_t value = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return 0;
    const auto digit = static_cast<std::uintptr_t>(c - L'0');
    if (value > (UINTPTR_MAX - digit) / 10) return 0;
    value = value * 10 + digit;
  }
  return value;
}

// Where a triangle wave of period 2 * range stands after `travelled`.
int bounced(long long travelled, int range) {
  if (range <= 0) return 0;
  const long long phase = travelled % (2LL * range);
  return static_cast<int>(phase <= range ? phase : 2LL * range - phase);
}

}  // namespace

SaverRequest saver_request(std::wstring_view arguments) {
  arguments = trimmed(arguments);
  if (arguments.empty()) return {SaverMode::settings, 0};
  if (arguments.size() < 2 || (arguments[0] != L'/' && arguments[0] != L'-')) return {};
  const wchar_t letter = arguments[1] | 0x20;  // lower case, for ASCII letters
  std::wstring_view rest = arguments.substr(2);
  const bool joined = !rest.empty() && rest.front() == L':';
  if (!rest.empty() && !joined && !is_blank(rest.front())) return {};
  rest = trimmed(joined ? rest.substr(1) : rest);
  const std::uintptr_t window = handle_value(rest);
  switch (letter) {
    case L's': return rest.empty() ? SaverRequest{SaverMode::full_screen, 0} : SaverRequest{};
    case L'p': return window ? SaverRequest{SaverMode::preview, window} : SaverRequest{};
    case L'c': return rest.empty() || window ? SaverRequest{SaverMode::settings, window} : SaverRequest{};
    default: return {};
  }
}

Point drift_origin(long long tick, int area_width, int area_height, int item_width, int item_height, int step) {
  // Rates of 5 to 3 on the two axes: the path does not close on itself soon.
  return {bounced(tick * step, area_width - item_width), bounced(tick * step * 3 / 5, area_height - item_height)};
}

}  // namespace tamarak
