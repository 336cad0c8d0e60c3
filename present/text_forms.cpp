// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/text_forms.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>
#include <type_traits>

namespace ostrel {
namespace {

// A number rounded to a fixed count of significant digits: its digits without trailing zeros
// and the decimal exponent of the first one (value = d.ddd x 10^exponent).
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The digits and exponent of to_chars' scientific form, trailing zeros dropped.
Decimal Parse(const char* p, const char* end) {
  Decimal d;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') d.digits += *p;
  }
  // The buffer has no terminator: the exponent ends where to_chars stopped.
  if (p != end) {
    const char* e = p + 1;
    if (e != end && *e == '+') ++e;
    std::from_chars(e, end, d.exponent);
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// std::to_chars rounds the exact binary value and ignores the locale, unlike printf, whose
// separator follows whatever locale the toolkit has set.
template <typename T>
Decimal Round(T v, int significant) {
  char buf[64];
  if constexpr (std::is_same_v<T, double>) {
    // Where the shortest form that reads back as v has no more digits than asked, it is also v
    // rounded to that many digits: neighbouring 15-digit decimals lie more than four units in
    // the last place of a normal double apart. It is far cheaper than the exact expansion.
    if (std::isnormal(v)) {
      const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
      if (ec == std::errc()) {
        Decimal shortest = Parse(buf, end);
        if (static_cast<int>(shortest.digits.size()) <= significant) return shortest;
      }
    }
  }
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significant - 1);
  if (ec != std::errc()) return Decimal{};  // cannot happen: the buffer holds any such form
  return Parse(buf, end);
}

std::string Format(const Decimal& d, int plain_limit, std::string_view separator) {
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
