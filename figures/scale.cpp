// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "figures/scale.h"

#include <cmath>
#include <cstdio>

namespace ostrel::figures {

namespace {

// A whole number of up to 15 digits as digits, a larger one as "1e+30".
std::string Count(double n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, n < 1e15 ? "%.0f" : "%.0e", n);
  return buf;
}

}  // namespace

Scale RoundScale(double largest) {
  if (!std::isfinite(largest) || !(largest > 0)) return {};
  const double decade = std::pow(10.0, std::floor(std::log10(largest)));
  double ratio = decade;
  for (const double step : {5.0, 2.0}) {
    if (step * decade <= largest) {
      ratio = step * decade;
      break;
    }
  }
  // log10 may land a hair off for exact powers of ten; never exceed the fit.
  if (ratio > largest) ratio /= 2;
  if (!(ratio > 0) || !std::isfinite(ratio)) return {};
  if (ratio >= 1) return {ratio, Count(std::round(ratio)) + ":1"};
  return {ratio, "1:" + Count(std::round(1 / ratio))};
}

}  // namespace ostrel::figures
