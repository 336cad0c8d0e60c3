// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/text_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ostrel {
namespace {

constexpr float kInfF = std::numeric_limits<float>::infinity();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct SingleCase {
  const char* name;
  float value;
  const char* text;
};

class SingleTextTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleTextTest, WritesSevenSignificantDigits) {
  EXPECT_EQ(SingleText(GetParam().value, "."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SingleTextTest,
    ::testing::Values(
        SingleCase{"Integral", 14.0f, "14"}, SingleCase{"StoredFivePointSix", 5.6f, "5.6"},
        SingleCase{"InchesOfFourteenMm", 0.5511800050735474f, "0.55118"},
        SingleCase{"Negative", -2.83f, "-2.83"}, SingleCase{"Hundred", 100.0f, "100"},
        SingleCase{"SevenDigitsRounded", 123.456789f, "123.4568"},
        SingleCase{"LargestPlain", 9999999.0f, "9999999"},
        SingleCase{"TenToTheSeven", 1e7f, "1E+07"},
        SingleCase{"ExponentForm", 12345678.0f, "1.234568E+07"},
        SingleCase{"LargestFloat", std::numeric_limits<float>::max(), "3.402823E+38"},
        // The float nearest 0.0001 lies below it and reaches the plain form by rounding.
        SingleCase{"RoundsUpToSmallestPlain", 0.0001f, "0.0001"},
        SingleCase{"JustBelowSmallestPlain", std::nextafter(0.0001f, 0.0f), "9.999999E-05"},
        SingleCase{"BelowSmallestPlain", 0.00001f, "1E-05"},
        SingleCase{"NegativeSmall", -0.000012345f, "-1.2345E-05"},
        SingleCase{"Subnormal", std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
        SingleCase{"Zero", 0.0f, "0"}, SingleCase{"NegativeZero", -0.0f, "0"},
        SingleCase{"Infinity", kInfF, "Infinity"},
        SingleCase{"NegativeInfinity", -kInfF, "-Infinity"},
        SingleCase{"NaN", std::numeric_limits<float>::quiet_NaN(), "NaN"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DoubleCase {
  const char* name;
  double value;
  const char* text;
};

class DoubleTextTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleTextTest, WritesFifteenSignificantDigits) {
  EXPECT_EQ(DoubleText(GetParam().value, "."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DoubleTextTest,
    ::testing::Values(DoubleCase{"Hundredths", 283.0 / 100, "2.83"},
                      DoubleCase{"Whole", 57700.0 / 100, "577"},
                      DoubleCase{"Thousandths", 79.0 / 1000, "0.079"},
                      DoubleCase{"LargestStep", 2147483647.0, "2147483647"},
                      DoubleCase{"FifteenDigitsRounded", 123456789012345.67, "123456789012346"},
                      DoubleCase{"RoundsUpToExponentForm", 999999999999999.9, "1E+15"},
                      DoubleCase{"ThreeDigitExponent", 1e100, "1E+100"},
                      DoubleCase{"BelowSmallestPlain", 0.00001, "1E-05"},
                      DoubleCase{"NegativeZero", -0.0, "0"},
                      DoubleCase{"NegativeInfinity", -kInf, "-Infinity"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextSeparator, IsWrittenAsGiven) {
  EXPECT_EQ(SingleText(5.6f, ","), "5,6");
  EXPECT_EQ(SingleText(0.5511800050735474f, ","), "0,55118");
  EXPECT_EQ(SingleText(12345678.0f, ","), "1,234568E+07");
  EXPECT_EQ(DoubleText(2.83, ","), "2,83");
  // The Arabic decimal separator is two bytes in UTF-8.
  EXPECT_EQ(SingleText(5.6f, "\u066b"), "5\u066b6");
  EXPECT_EQ(DoubleText(-0.079, "\u066b"), "-0\u066b079");
}

}  // namespace
}  // namespace ostrel
