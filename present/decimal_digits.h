// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <string_view>

// Conversions between binary floating point and decimal digits, written once for every build.
//
// The desktop's C++ library converts with std::to_chars and std::from_chars; the WebAssembly
// build's library has neither for floating point. Formatting goes through the fmt library on both
// (header only, no locale: shortest round trip, and exact rounding half to even on the binary
// value, as to_chars does), so the texts cannot differ; reading takes from_chars where the library
// has it and the C library's strtof otherwise, both rounding the decimal once, to the nearest
// float. The byte-identity test of the web build compares the two builds' outputs.
namespace ostrel {

// A finite non-zero number as value = (negative ? -1 : 1) * d.ddd * 10^exponent: its digits
// without trailing zeros, the first one non-zero.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The fewest digits that read back as v.
DecimalDigits ShortestDigits(float v);
DecimalDigits ShortestDigits(double v);
// The exact binary value of v rounded half to even to `significant` digits (1 to 17).
DecimalDigits RoundedDigits(double v, int significant);
// The exact value of a whole number in decimal, without exponent ("123456792").
std::string WholeNumberText(double v);

// The float nearest a decimal in ASCII ("-12.5e-3": sign, digits, '.', exponent). out_of_range
// is set where that float would be infinite or zero though the decimal is not zero.
struct NearestFloat {
  bool out_of_range = false;
  float value = 0;
};
NearestFloat ReadAsciiFloat(const std::string& ascii);

}  // namespace ostrel
