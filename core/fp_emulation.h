// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

// WebAssembly has no floating-point status flags: its arithmetic never reports an overflow, a
// division by zero or an invalid operation. The WebAssembly build therefore compiles the
// calculation with every floating-point operation that can raise one of those three flags
// replaced by a call to one of the functions below (web/fp_flags/instrument_ir.py rewrites the
// compiler's intermediate code), which computes the same IEEE result and raises the flags an
// x86-64 processor raises for it, in an emulated status word that fp::Clear and fp::Check use.
//
// Built for WebAssembly only; the desktop uses the processor's own flags.
namespace ostrel::fp {

inline constexpr unsigned kDivByZero = 1;
inline constexpr unsigned kOverflow = 2;
inline constexpr unsigned kInvalid = 4;

// The emulated status word: the flags raised since the last ClearEmulated.
unsigned EmulatedFlags();
void ClearEmulated();

}  // namespace ostrel::fp
