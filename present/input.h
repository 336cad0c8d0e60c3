// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string_view>

#include "core/fault.h"

namespace ostrel {

struct ReadResult {
  Fault fault = Fault::None;
  float value = 0;
};

// Converts a box's text to a float: surrounding blanks, an optional sign, decimal digits with
// the given separator (".5" and "5." are numbers), an optional exponent (e or E, optional sign,
// digits). The decimal is rounded once, straight to the nearest float. Anything else is
// Fault::TypeMismatch; a decimal whose nearest float is infinite is Fault::Overflow; one that
// underflows gives a tiny float or zero without a fault.
ReadResult ReadNumber(std::string_view text, std::string_view separator);

}  // namespace ostrel
