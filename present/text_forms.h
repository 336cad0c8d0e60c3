// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>
#include <string_view>

namespace ostrel {

// The two text forms of a number, with the given decimal separator, no digit grouping and no
// leading blank: 7 significant digits for a float, 15 for a double. Plain positional form for
// magnitudes from 0.0001 to below 10^7 (SingleText) or 10^15 (DoubleText) after rounding,
// "1.234568E+07" style otherwise; trailing zeros and a bare separator dropped; "0" for zero of
// either sign; "0" before the separator below 1. Infinities and NaN are written in words that
// never read back as a number.
std::string SingleText(float v, std::string_view separator);
std::string DoubleText(double v, std::string_view separator);

}  // namespace ostrel
