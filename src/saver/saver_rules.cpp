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

// What follows the program's path.
std::wstring_view after_path(std::wstring_view line) {
  if (!line.empty() && line.front() == L'"') {
    line.remove_prefix(1);
    if (const size_t quote = line.find(L'"'); quote != std::wstring_view::npos) return line.substr(quote + 1);
  }
  const size_t slash = line.rfind(L'\\');
  return slash == std::wstring_view::npos ? line : line.substr(slash + 1);
}

constexpr bool starts_word(std::wstring_view text, size_t at) {
  return (text[at] == L'/' || text[at] == L'-') && (at == 0 || is_blank(text[at - 1]));
}

constexpr bool is_switch(std::wstring_view text, size_t at) {
  if (at + 1 >= text.size() || !starts_word(text, at)) return false;
  const wchar_t letter = text[at + 1] | 0x20;  // lower case, for ASCII letters
  const bool known = letter == L's' || letter == L'p' || letter == L'c' || letter == L'a';
  return known && (at + 2 == text.size() || is_blank(text[at + 2]) || text[at + 2] == L':');
}

size_t last_switch(std::wstring_view text) {
  for (size_t at = text.size(); at-- > 0;)
    if (is_switch(text, at)) return at;
  return std::wstring_view::npos;
}

}  // namespace

SaverRequest saver_request(std::wstring_view command_line) {
  const std::wstring_view arguments = after_path(command_line);
  const size_t at = last_switch(arguments);
  if (at == std::wstring_view::npos) {
    for (size_t i = 0; i < arguments.size(); ++i)
      if (starts_word(arguments, i)) return {};  // a switch it does not know
    return {SaverMode::settings, 0};
  }
  const wchar_t letter = arguments[at + 1] | 0x20;
  std::wstring_view rest = arguments.substr(at + 2);
  if (!rest.empty() && rest.front() == L':') rest.remove_prefix(1);
  rest = trimmed(rest);
  const std::uintptr_t window = handle_value(rest);
  switch (letter) {
    case L's': return rest.empty() ? SaverRequest{SaverMode::full_screen, 0} : SaverRequest{};
    case L'p': return window ? SaverRequest{SaverMode::preview, window} : SaverRequest{};
    case L'c': return rest.empty() || window ? SaverRequest{SaverMode::settings, window} : SaverRequest{};
    default: return {};
  }
}

Point drift_origin(long long tick, const Rect& area, int width, int height, int step) {
  // Rates of 5 to 3 on the two axes: the path does not close on itself soon.
  return {area.left + bounced(tick * step, area.right - area.left - width),
          area.top + bounced(tick * step * 3 / 5, area.bottom - area.top - height)};
}

const wchar_t* saver_face(bool (*installed)(const wchar_t* face)) {
  return installed(L"Meiryo UI") ? L"Meiryo UI" : L"Yu Gothic UI";
}

}  // namespace tamarak
