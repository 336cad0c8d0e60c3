// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/text_forms.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <type_traits>

#include "present/decimal_digits.h"

namespace ostrel {
namespace {

// The digits are the exact binary value rounded half to even, whatever the locale, unlike printf,
// whose separator follows whatever locale the toolkit has set.
template <typename T>
DecimalDigits Round(T v, int significant) {
  if constexpr (std::is_same_v<T, double>) {
    // Where the shortest form that reads back as v has no more digits than asked, it is also v
    // rounded to that many digits: neighbouring 15-digit decimals lie more than four units in
    // the last place of a normal double apart. It is far cheaper than the exact expansion.
    if (std::isnormal(v)) {
      DecimalDigits shortest = ShortestDigits(v);
      if (static_cast<int>(shortest.digits.size()) <= significant) return shortest;
    }
  }
  return RoundedDigits(v, significant);
}

std::string Format(const DecimalDigits& d, int plain_limit, std::string_view separator) {
  std::string text = d.negative ? "-" : "";
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent >= plain_limit || d.exponent < -4) {
    text += d.digits[0];
    if (count > 1) {
      text += separator;
      text.append(d.digits, 1);
    }
    text += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (d.exponent < 0) {
    text += '0';
    text += separator;
    text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    text += d.digits;
  } else if (count <= d.exponent + 1) {
    text += d.digits;
    text.append(static_cast<std::size_t>(d.exponent + 1 - count), '0');
  } else {
    text.append(d.digits, 0, static_cast<std::size_t>(d.exponent + 1));
    text += separator;
    text.append(d.digits, static_cast<std::size_t>(d.exponent + 1));
  }
  return text;
}

template <typename T>
std::string Text(T v, int significant, std::string_view separator) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
  if (v == 0) return "0";
  return Format(Round(v, significant), significant, separator);
}

}  // namespace

std::string SingleText(float v, std::string_view separator) {
  return Text(v, 7, separator);
}

std::string DoubleText(double v, std::string_view separator) {
  return Text(v, 15, separator);
}

}  // namespace ostrel
