// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "core/fp_status.h"

#if defined(__wasm__)
#include "core/fp_emulation.h"
#else
#include <cfenv>
#endif

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace ostrel::fp {

// Out of line on purpose: an opaque call keeps every store before it and every operation that
// may raise a flag on its own side.
void Clear() {
#if defined(__wasm__)
  ClearEmulated();
#elif defined(__x86_64__)
  // What feclearexcept(FE_ALL_EXCEPT) does to the x87 and SSE exception flags, without its
  // x87 environment save and reload, which costs several times the rest of a refresh's checks
  // (a refresh clears about twenty times). fnclex clears every x87 exception flag; the SSE flags
  // are the low six bits of MXCSR.
  __asm__ volatile("fnclex" ::: "memory");
  _mm_setcsr(_mm_getcsr() & ~static_cast<unsigned>(FE_ALL_EXCEPT));
#else
  std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

#if defined(__wasm__)
Fault Check() {
  const unsigned raised = EmulatedFlags();
  if (raised & kDivByZero) return Fault::DivisionByZero;
  if (raised & (kOverflow | kInvalid)) return Fault::Overflow;
  return Fault::None;
}
#else
Fault Check() {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  if (raised & FE_DIVBYZERO) return Fault::DivisionByZero;
  if (raised & (FE_OVERFLOW | FE_INVALID)) return Fault::Overflow;
  return Fault::None;
}

#endif

}  // namespace ostrel::fp
