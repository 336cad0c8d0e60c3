// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The WebAssembly build's flag emulation against this processor: for every operation it stands
// in for and a table of operands at the edges (zeros, infinities, NaN, the largest and smallest
// floats and doubles, values whose rounding overflows), the emulated call gives the same result
// bits and raises the same division-by-zero, overflow and invalid flags as the hardware.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "core/fp_emulation.h"
#include "core/fp_status.h"

extern "C" {
double ostrel_fp_fadd_f64(double, double);
double ostrel_fp_fsub_f64(double, double);
double ostrel_fp_fmul_f64(double, double);
double ostrel_fp_fdiv_f64(double, double);
float ostrel_fp_fadd_f32(float, float);
float ostrel_fp_fmul_f32(float, float);
float ostrel_fp_fdiv_f32(float, float);
float ostrel_fp_fptrunc(double);
std::int32_t ostrel_fp_fptosi_f64_i32(double);
std::int64_t ostrel_fp_fptosi_f64_i64(double);
std::int32_t ostrel_fp_fptosi_f32_i32(float);
void ostrel_fp_signal_f64(double, double);
double ostrel_fp_sqrt_f64(double);
double ostrel_fp_pow_f64(double, double);
}

namespace {

using ostrel::fp::kDivByZero;
using ostrel::fp::kInvalid;
using ostrel::fp::kOverflow;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
constexpr double kOperands[] = {
    0.0,           -0.0,          1.0,    -2.5,    3.0e38, 3.5e38, -3.5e38,      1e300,
    kMax,          -kMax,         kTiny,  kInf,    -kInf,  kNaN,   2147483647.9, 2147483648.0,
    -2147483648.9, -2147483649.0, 9.3e18, -9.3e18, 0.5,    2.0};

// The hardware's flags, in the emulation's bits.
unsigned Raised() {
  unsigned flags = 0;
  if (std::fetestexcept(FE_DIVBYZERO)) flags |= kDivByZero;
  if (std::fetestexcept(FE_OVERFLOW)) flags |= kOverflow;
  if (std::fetestexcept(FE_INVALID)) flags |= kInvalid;
  return flags;
}

template <typename T>
std::string Bits(T v) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof v);
  return std::to_string(bits);
}

// The processor's truncation, whose result for a value out of range the language leaves
// undefined: the sanitizer build must let it through to the instruction.
template <typename I, typename T>
#if defined(__clang__)
__attribute__((no_sanitize("float-cast-overflow")))
#endif
I HardwareTruncate(T v) {
  volatile T operand = v;
  volatile I result = static_cast<I>(operand);
  return result;
}

// Runs the hardware's operation and the emulated one on the same operands and compares.
template <typename Hardware, typename Emulated>
void Compare(const std::string& what, Hardware hardware, Emulated emulated) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const auto want = hardware();
  const unsigned want_flags = Raised();
  ostrel::fp::ClearEmulated();
  const auto got = emulated();
  const unsigned got_flags = ostrel::fp::EmulatedFlags();
  EXPECT_EQ(got_flags, want_flags) << what;
  // NaN's sign and payload differ between machines and never reach a box: a fault stops first.
  if (!(want != want)) {
    EXPECT_EQ(Bits(got), Bits(want)) << what;
  }
}

// Operations written so that the compiler neither folds nor drops them.
template <typename T>
T Keep(T v) {
  volatile T sink = v;
  return sink;
}

TEST(FpEmulation, BinaryDoubleOperationsRaiseTheHardwaresFlags) {
  for (const double a : kOperands) {
    for (const double b : kOperands) {
      const std::string at = " of " + std::to_string(a) + " and " + std::to_string(b);
      Compare(
          "sum" + at, [&] { return Keep(Keep(a) + Keep(b)); },
          [&] { return ostrel_fp_fadd_f64(a, b); });
      Compare(
          "difference" + at, [&] { return Keep(Keep(a) - Keep(b)); },
          [&] { return ostrel_fp_fsub_f64(a, b); });
      Compare(
          "product" + at, [&] { return Keep(Keep(a) * Keep(b)); },
          [&] { return ostrel_fp_fmul_f64(a, b); });
      Compare(
          "quotient" + at, [&] { return Keep(Keep(a) / Keep(b)); },
          [&] { return ostrel_fp_fdiv_f64(a, b); });
      Compare(
          "power" + at, [&] { return Keep(std::pow(Keep(a), Keep(b))); },
          [&] { return ostrel_fp_pow_f64(a, b); });
      Compare(
          "ordered comparison" + at, [&] { return Keep(static_cast<int>(Keep(a) < Keep(b))); },
          [&] {
            ostrel_fp_signal_f64(a, b);
            return static_cast<int>(a < b);
          });
    }
  }
}

TEST(FpEmulation, FloatOperationsAndConversionsRaiseTheHardwaresFlags) {
  for (const double a : kOperands) {
    const std::string at = " of " + std::to_string(a);
    Compare(
        "rounding to float" + at, [&] { return Keep(static_cast<float>(Keep(a))); },
        [&] { return ostrel_fp_fptrunc(a); });
    Compare(
        "truncation to int32" + at, [&] { return HardwareTruncate<std::int32_t>(a); },
        [&] { return ostrel_fp_fptosi_f64_i32(a); });
    Compare(
        "truncation to int64" + at, [&] { return HardwareTruncate<std::int64_t>(a); },
        [&] { return ostrel_fp_fptosi_f64_i64(a); });
    Compare(
        "square root" + at, [&] { return Keep(std::sqrt(Keep(a))); },
        [&] { return ostrel_fp_sqrt_f64(a); });
    const float f = static_cast<float>(a);
    Compare(
        "float truncation to int32" + at, [&] { return HardwareTruncate<std::int32_t>(f); },
        [&] { return ostrel_fp_fptosi_f32_i32(f); });
    for (const double b : kOperands) {
      const float g = static_cast<float>(b);
      const std::string pair = at + " and " + std::to_string(b);
      Compare(
          "float sum" + pair, [&] { return Keep(Keep(f) + Keep(g)); },
          [&] { return ostrel_fp_fadd_f32(f, g); });
      Compare(
          "float product" + pair, [&] { return Keep(Keep(f) * Keep(g)); },
          [&] { return ostrel_fp_fmul_f32(f, g); });
      Compare(
          "float quotient" + pair, [&] { return Keep(Keep(f) / Keep(g)); },
          [&] { return ostrel_fp_fdiv_f32(f, g); });
    }
  }
}

}  // namespace
