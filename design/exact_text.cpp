// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "design/exact_text.h"

#include <cmath>
#include <cstdlib>

#include "present/decimal_digits.h"

namespace ostrel {

// The shortest form that reads back as the same float, fixed or with an exponent, whichever has
// fewer characters (fixed on a tie), as std::to_chars writes it without a precision: files
// written before keep their texts. A whole number in fixed form is written exactly.
std::string ExactText(float v) {
  if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  if (v == 0) return std::signbit(v) ? "-0" : "0";
  const DecimalDigits d = ShortestDigits(v);
  const int count = static_cast<int>(d.digits.size());
  const int magnitude = std::abs(d.exponent);
  const int scientific_length = count + (count > 1 ? 1 : 0) + 2 + (magnitude < 100 ? 2 : 3);
  int fixed_length;
  if (d.exponent >= count - 1) {
    fixed_length = d.exponent + 1;
  } else if (d.exponent >= 0) {
    fixed_length = count + 1;
  } else {
    fixed_length = 1 - d.exponent + count;
  }
  std::string text = d.negative ? "-" : "";
  if (fixed_length <= scientific_length) {
    if (d.exponent >= count - 1) return WholeNumberText(double{v});
    if (d.exponent >= 0) {
      text.append(d.digits, 0, static_cast<std::size_t>(d.exponent + 1));
      text += '.';
      text.append(d.digits, static_cast<std::size_t>(d.exponent + 1));
    } else {
      text += "0.";
      text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
      text += d.digits;
    }
    return text;
  }
  text += d.digits[0];
  if (count > 1) {
    text += '.';
    text.append(d.digits, 1);
  }
  text += d.exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
  return text;
}

ReadResult ReadExact(std::string_view text) {
  return ReadNumber(text, ".");
}

}  // namespace ostrel
