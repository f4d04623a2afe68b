#include "base/decimal_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tamarak {

namespace {

// Little-endian decimal digits times a small factor.
void multiply(std::vector<char>& digits, int factor) {
  int carry = 0;
  for (char& digit : digits) {
    const int product = digit * factor + carry;
    digit = static_cast<char>(product % 10);
    carry = product / 10;
  }
  for (; carry != 0; carry /= 10) digits.push_back(static_cast<char>(carry % 10));
}

}  // namespace

DecimalDigits exact_digits(double value) {
  if (value == 0 || !std::isfinite(value)) return {};
  int exponent = 0;
  // value = mantissa x 2^exponent, the mantissa a whole number of at most 53 bits.
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(value), &exponent), 53));
  exponent -= 53;
  std::vector<char> digits;
  for (; mantissa != 0; mantissa /= 10) digits.push_back(static_cast<char>(mantissa % 10));
  // m x 2^e is m x 2^e whole for e >= 0, and m x 5^-e / 10^-e below.
  for (int i = 0; i < std::abs(exponent); ++i) multiply(digits, exponent > 0 ? 2 : 5);
  DecimalDigits out;
  out.point = static_cast<int>(digits.size()) + std::min(exponent, 0);
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) out.digits += static_cast<char>('0' + *digit);
  out.digits.erase(out.digits.find_last_not_of('0') + 1);
  return out;
}

DecimalDigits significant_digits(double value, int count) {
  DecimalDigits exact = exact_digits(value);
  if (exact.digits.empty()) return {std::string(count, '0'), 0};
  std::string& digits = exact.digits;
  if (static_cast<int>(digits.size()) > count) {
    const std::string rest = digits.substr(count);
    digits.resize(count);
    const bool tie = rest == "5";  // trailing zeros are gone: exactly half
    if (rest[0] > '5' || (rest[0] == '5' && !tie) || (tie && (digits.back() - '0') % 2 == 1)) {
      int i = count - 1;
      for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(0, 1, '1'), digits.pop_back();
        ++exact.point;
      }
    }
  }
  digits.resize(count, '0');
  return {digits, exact.point - 1};
}

std::string integral_text(double value) {
  const DecimalDigits exact = exact_digits(value);
  std::string text = std::signbit(value) ? "-" : "";
  if (exact.point <= 0) return text + "0";
  const auto whole = static_cast<size_t>(exact.point);
  return text + exact.digits.substr(0, whole) + std::string(whole - std::min(whole, exact.digits.size()), '0');
}

}  // namespace tamarak
