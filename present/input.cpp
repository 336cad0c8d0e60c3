// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/input.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "present/decimal_digits.h"

namespace ostrel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The parts of a decimal as typed, checked against the one syntax the boxes accept.
struct Parts {
  bool negative = false;
  std::string_view whole;     // digits before the separator
  std::string_view fraction;  // digits after it
  bool exponent_negative = false;
  std::string_view exponent;  // digits after e or E
};

std::string_view TakeDigits(std::string_view& rest) {
  std::size_t n = 0;
  while (n < rest.size() && IsDigit(rest[n])) ++n;
  const std::string_view digits = rest.substr(0, n);
  rest.remove_prefix(n);
  return digits;
}

bool TakeSign(std::string_view& rest, bool& negative) {
  if (rest.empty() || (rest.front() != '+' && rest.front() != '-')) return false;
  negative = rest.front() == '-';
  rest.remove_prefix(1);
  return true;
}

bool Split(std::string_view text, std::string_view separator, Parts& parts) {
  std::string_view rest = Trim(text);
  TakeSign(rest, parts.negative);
  parts.whole = TakeDigits(rest);
  if (!separator.empty() && rest.substr(0, separator.size()) == separator) {
    rest.remove_prefix(separator.size());
    parts.fraction = TakeDigits(rest);
  }
  if (parts.whole.empty() && parts.fraction.empty()) return false;
  if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
    rest.remove_prefix(1);
    TakeSign(rest, parts.exponent_negative);
    parts.exponent = TakeDigits(rest);
    if (parts.exponent.empty()) return false;
  }
  return rest.empty();
}

// Where the first significant digit stands: the number is 0.d... x 10^position. Saturates, as
// only its sign matters once the value is out of the float range.
long long Position(const Parts& parts) {
  constexpr long long kLimit = 1'000'000'000;
  long long exponent = 0;
  for (const char c : parts.exponent) {
    exponent = std::min(exponent * 10 + (c - '0'), kLimit);
  }
  if (parts.exponent_negative) exponent = -exponent;
  const std::size_t lead = parts.whole.find_first_not_of('0');
  if (lead != std::string_view::npos) {
    return exponent + static_cast<long long>(parts.whole.size() - lead);
  }
  const std::size_t zeros = parts.fraction.find_first_not_of('0');
  return exponent - static_cast<long long>(zeros);
}

}  // namespace

ReadResult ReadNumber(std::string_view text, std::string_view separator) {
  Parts parts;
  if (!Split(text, separator, parts)) return {Fault::TypeMismatch, 0.0f};

  const bool all_zero = parts.whole.find_first_not_of('0') == std::string_view::npos &&
                        parts.fraction.find_first_not_of('0') == std::string_view::npos;
  const float zero = parts.negative ? -0.0f : 0.0f;
  if (all_zero) return {Fault::None, zero};

  // The separator may be any text; the conversion reads only '.', independent of the locale.
  std::string ascii;
  ascii.reserve(parts.whole.size() + parts.fraction.size() + parts.exponent.size() + 4);
  if (parts.negative) ascii += '-';
  ascii += parts.whole.empty() ? std::string_view("0") : parts.whole;
  if (!parts.fraction.empty()) {
    ascii += '.';
    ascii += parts.fraction;
  }
  if (!parts.exponent.empty()) {
    ascii += 'e';
    if (parts.exponent_negative) ascii += '-';
    ascii += parts.exponent;
  }

  const NearestFloat nearest = ReadAsciiFloat(ascii);
  if (nearest.out_of_range) {
    // Reported for both ends of the range; a non-zero decimal beyond the largest float has its
    // first digit at or above 10^1, one below the smallest at or below 10^-45.
    if (Position(parts) > 0) return {Fault::Overflow, 0.0f};
    return {Fault::None, zero};
  }
  const float value = nearest.value;
  if (std::isinf(value)) return {Fault::Overflow, 0.0f};
  return {Fault::None, value};
}

}  // namespace ostrel
