// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include "core/fault.h"

// The floating-point status is how the calculation finds its faults: a procedure clears the
// flags when it starts and tests them at each of its checks. Flags stay raised between checks
// on purpose, so a step without a check of its own is caught by the next one.
namespace ostrel::fp {

// Forgets every flag raised so far, by the calculation or by anything else.
void Clear();

// A check: division by zero, then overflow or an invalid operation (reported as "Overflow"),
// raised since the last Clear(). Underflow and inexact results are no faults.
Fault Check();

// Makes a computed intermediate exist, rounded as given, before whatever comes next. Its flags
// matter even where the value is never used again, so the compiler must neither drop it nor
// move it past a check.
inline double Keep(double v) {
  volatile double sink = v;
  return sink;
}
inline float Keep(float v) {
  volatile float sink = v;
  return sink;
}

}  // namespace ostrel::fp
