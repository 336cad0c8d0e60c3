// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <system_error>

#include <fmt/format.h>

namespace ostrel {
namespace {

// The digits and exponent of a text fmt wrote, fixed ("0.00125", "12500") or with an exponent
// ("1.25e-03"): leading and trailing zeros dropped, the exponent moved to the first digit.
DecimalDigits Parse(std::string_view text) {
  DecimalDigits d;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    d.negative = true;
    ++i;
  }
  int point = -1;  // digits before the decimal point, once seen
  int seen = 0;    // digits read, leading zeros included
  int first = -1;  // index among them of the first non-zero one
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] == '.') {
      point = seen;
      continue;
    }
    if (first < 0 && text[i] != '0') first = seen;
    if (first >= 0) d.digits += text[i];
    ++seen;
  }
  if (point < 0) point = seen;
  int exponent = 0;
  if (i < text.size()) {
    const char* e = text.data() + i + 1;
    if (*e == '+') ++e;
    std::from_chars(e, text.data() + text.size(), exponent);
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  d.exponent = exponent + point - first - 1;
  return d;
}

template <typename T>
DecimalDigits Shortest(T v) {
  char buffer[64];
  // Without a presentation type fmt writes the shortest text that reads back as v.
  const auto end = fmt::format_to_n(buffer, sizeof buffer, "{}", v).out;
  return Parse(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

}  // namespace

DecimalDigits ShortestDigits(float v) {
  return Shortest(v);
}

DecimalDigits ShortestDigits(double v) {
  return Shortest(v);
}

DecimalDigits RoundedDigits(double v, int significant) {
  char buffer[64];
  const auto end = fmt::format_to_n(buffer, sizeof buffer, "{:.{}e}", v, significant - 1).out;
  return Parse(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

std::string WholeNumberText(double v) {
  return fmt::format("{:.0f}", v);
}

NearestFloat ReadAsciiFloat(const std::string& ascii) {
  NearestFloat result;
#if defined(__cpp_lib_to_chars)
  const char* const last = ascii.data() + ascii.size();
  const auto [end, ec] = std::from_chars(ascii.data(), last, result.value);
  (void)end;  // the caller passes a decimal of the one syntax it checked
  result.out_of_range = ec == std::errc::result_out_of_range;
#else
  // The C library of the web build reads '.' whatever the locale, and rounds correctly.
  result.value = std::strtof(ascii.c_str(), nullptr);
  result.out_of_range = std::isinf(result.value) || result.value == 0;
#endif
  return result;
}

}  // namespace ostrel
