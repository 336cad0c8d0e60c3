// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include "core/fp_status.h"

// A check of the floating-point status inside a procedure: a fault ends the procedure there and
// goes to its caller.
#define OSTREL_CHECK()                                                                         \
  do {                                                                                         \
    if (const ::ostrel::Fault fault_ = ::ostrel::fp::Check(); fault_ != ::ostrel::Fault::None) \
      return fault_;                                                                           \
  } while (false)

// The same check for a procedure that tells where it failed: a fault also writes the given
// FaultSite into where.
#define OSTREL_CHECK_AT(where, ...)                                                              \
  do {                                                                                           \
    if (const ::ostrel::Fault fault_ = ::ostrel::fp::Check(); fault_ != ::ostrel::Fault::None) { \
      (where) = __VA_ARGS__;                                                                     \
      return fault_;                                                                             \
    }                                                                                            \
  } while (false)

namespace ostrel {

// The value of pi that every formula uses, a little short of the double nearest pi.
inline constexpr double kPi = 3.14159265;

}  // namespace ostrel
