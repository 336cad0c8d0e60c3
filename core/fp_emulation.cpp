// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "core/fp_emulation.h"

#include <cmath>
#include <cstdint>
#include <limits>

// The processor's status word has one owner per thread; so has its stand-in. The page and the
// batch run one calculation at a time on one thread.
namespace ostrel::fp {
namespace {

thread_local unsigned flags = 0;

void Raise(unsigned flag) {
  flags |= flag;
}

// Addition, subtraction and multiplication: a NaN from operands that are not NaN is an invalid
// operation (inf - inf, 0 * inf); an infinity from finite operands is an overflow.
template <typename T>
T Arithmetic(T a, T b, T r) {
  if (std::isnan(r)) {
    if (!std::isnan(a) && !std::isnan(b)) Raise(kInvalid);
  } else if (std::isinf(r) && std::isfinite(a) && std::isfinite(b)) {
    Raise(kOverflow);
  }
  return r;
}

template <typename T>
T Divide(T a, T b) {
  const T r = a / b;
  if (std::isnan(a) || std::isnan(b)) return r;
  if (b == 0) {
    Raise(a == 0 ? kInvalid : std::isfinite(a) ? kDivByZero : 0);
  } else if (std::isnan(r)) {
    Raise(kInvalid);
  } else if (std::isinf(r) && std::isfinite(a)) {
    Raise(kOverflow);
  }
  return r;
}

// cvttsd2si: a NaN or a value whose truncation does not fit is invalid and gives the "integer
// indefinite" value, the most negative integer.
template <typename I, typename T>
I Truncate(T a) {
  const T limit = std::ldexp(T{1}, std::numeric_limits<I>::digits);  // 2^31 or 2^63
  const bool fits = a < limit && (a >= -limit || std::trunc(a) >= -limit);
  if (!fits) {
    Raise(kInvalid);
    return std::numeric_limits<I>::min();
  }
  return static_cast<I>(a);
}

// comisd: an ordered comparison with a NaN operand is invalid.
template <typename T>
void Signalling(T a, T b) {
  if (std::isnan(a) || std::isnan(b)) Raise(kInvalid);
}

template <typename T>
T Sqrt(T a) {
  if (a < 0) Raise(kInvalid);
  return std::sqrt(a);
}

// A zero to a finite negative power divides by zero; to the power -inf it is inf without a flag.
template <typename T>
T Pow(T a, T b) {
  const T r = std::pow(a, b);
  if (a == 0 && b < 0 && std::isfinite(b)) {
    Raise(kDivByZero);
  } else if (std::isnan(r)) {
    if (!std::isnan(a) && !std::isnan(b)) Raise(kInvalid);
  } else if (std::isinf(r) && std::isfinite(a) && std::isfinite(b)) {
    Raise(kOverflow);
  }
  return r;
}

}  // namespace

unsigned EmulatedFlags() {
  return flags;
}

void ClearEmulated() {
  flags = 0;
}

}  // namespace ostrel::fp

// The names the instrumented code calls, one per operation and type.
extern "C" {
using ostrel::fp::Arithmetic;
using ostrel::fp::Divide;
using ostrel::fp::Pow;
using ostrel::fp::Signalling;
using ostrel::fp::Sqrt;
using ostrel::fp::Truncate;

double ostrel_fp_fadd_f64(double a, double b) {
  return Arithmetic(a, b, a + b);
}
double ostrel_fp_fsub_f64(double a, double b) {
  return Arithmetic(a, b, a - b);
}
double ostrel_fp_fmul_f64(double a, double b) {
  return Arithmetic(a, b, a * b);
}
double ostrel_fp_fdiv_f64(double a, double b) {
  return Divide(a, b);
}
float ostrel_fp_fadd_f32(float a, float b) {
  return Arithmetic(a, b, a + b);
}
float ostrel_fp_fsub_f32(float a, float b) {
  return Arithmetic(a, b, a - b);
}
float ostrel_fp_fmul_f32(float a, float b) {
  return Arithmetic(a, b, a * b);
}
float ostrel_fp_fdiv_f32(float a, float b) {
  return Divide(a, b);
}

float ostrel_fp_fptrunc(double a) {
  const float r = static_cast<float>(a);
  if (std::isinf(r) && std::isfinite(a)) ostrel::fp::Raise(ostrel::fp::kOverflow);
  return r;
}

std::int32_t ostrel_fp_fptosi_f64_i32(double a) {
  return Truncate<std::int32_t>(a);
}
std::int64_t ostrel_fp_fptosi_f64_i64(double a) {
  return Truncate<std::int64_t>(a);
}
std::int32_t ostrel_fp_fptosi_f32_i32(float a) {
  return Truncate<std::int32_t>(a);
}
std::int64_t ostrel_fp_fptosi_f32_i64(float a) {
  return Truncate<std::int64_t>(a);
}

void ostrel_fp_signal_f64(double a, double b) {
  Signalling(a, b);
}
void ostrel_fp_signal_f32(float a, float b) {
  Signalling(a, b);
}

double ostrel_fp_sqrt_f64(double a) {
  return Sqrt(a);
}
float ostrel_fp_sqrt_f32(float a) {
  return Sqrt(a);
}
double ostrel_fp_pow_f64(double a, double b) {
  return Pow(a, b);
}
float ostrel_fp_pow_f32(float a, float b) {
  return Pow(a, b);
}
}
