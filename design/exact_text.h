// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>
#include <string_view>

#include "present/input.h"

namespace ostrel {

// A stored float as the shortest decimal that reads back as the same float ("5.6", "431.8",
// "1e-45"), with "." as the separator whatever the locale: what files and scripts exchange.
// Finite values only; an infinity or NaN gives "inf" or "nan", which ReadExact refuses.
std::string ExactText(float v);

// Reads such a decimal straight to the nearest float, rounded once: the same rules as a typed
// number with "." as the separator (an underflow reads as the float it rounds to, a value beyond
// the float range is Fault::Overflow, anything else not a number is Fault::TypeMismatch).
ReadResult ReadExact(std::string_view text);

}  // namespace ostrel
