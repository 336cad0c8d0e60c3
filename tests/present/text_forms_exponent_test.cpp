// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <gtest/gtest.h>

#include <string>

#include "present/text_forms.h"

// The exponent of the rounded number was once read past the end of the digits, picking up
// whatever digits an earlier call had left on the stack: 14 could show as "1.4E+17".
namespace ostrel {
namespace {

// Leaves digits where the next call's scratch space will be.
[[gnu::noinline]] void LeaveDigitsOnTheStack() {
  volatile char junk[8192];
  for (volatile char& c : junk) c = '7';
}

struct ExponentCase {
  const char* name;
  bool single;
  double value;
  const char* text;
};

class StaleStackTest : public ::testing::TestWithParam<ExponentCase> {};

TEST_P(StaleStackTest, ExponentIgnoresLeftoverDigits) {
  const ExponentCase& c = GetParam();
  LeaveDigitsOnTheStack();
  const std::string text =
      c.single ? SingleText(static_cast<float>(c.value), ".") : DoubleText(c.value, ".");
  EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, StaleStackTest,
    ::testing::Values(ExponentCase{"SingleIntegral", true, 14.0, "14"},
                      ExponentCase{"SingleFraction", true, 5.6, "5.6"},
                      ExponentCase{"SingleSmall", true, 1.401298464324817e-45, "1.401298E-45"},
                      ExponentCase{"SingleLarge", true, 12345678.0, "1.234568E+07"},
                      ExponentCase{"SingleBelowPlain", true, 0.00001, "1E-05"},
                      ExponentCase{"DoubleFraction", false, 2.83, "2.83"},
                      ExponentCase{"DoubleVolume", false, 1293.53, "1293.53"},
                      ExponentCase{"DoubleSmall", false, 0.001, "0.001"}),
    [](const ::testing::TestParamInfo<ExponentCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrel
