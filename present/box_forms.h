// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/fault.h"

namespace ostrel {

// A number as a box shows it, or the fault that stops the refresh there.
struct BoxValue {
  Fault fault = Fault::None;
  std::string text;
};

// The renderings of the refresh, for whatever shows a number as a box would. Each checks the
// floating-point flags raised since the caller last cleared them.
//
// Inputs: the field times the unit factor, rounded to float, in SingleText.
BoxValue PlainForm(double field, double factor, std::string_view separator);
// Results in a unit group: the field times the factor, rounded half to even to a step of
// 1/scale display units, in DoubleText. A scale of 0 (no unit selected) faults.
BoxValue ScaledForm(double field, double factor, std::int32_t scale, std::string_view separator);
// Results with one unit: rounded to a step of 1/step, in SingleText.
BoxValue SteppedForm(double field, float step, std::string_view separator);

}  // namespace ostrel
