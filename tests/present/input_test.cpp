// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ostrel {
namespace {

struct ReadCase {
  const char* name;
  std::string text;
  const char* separator;
  Fault fault;
  float value;  // compared bit for bit where there is no fault
};

ReadCase Number(const char* name, std::string text, float value, const char* separator = ".") {
  return {name, std::move(text), separator, Fault::None, value};
}
ReadCase Mismatch(const char* name, std::string text, const char* separator = ".") {
  return {name, std::move(text), separator, Fault::TypeMismatch, 0};
}
ReadCase TooLarge(const char* name, std::string text) {
  return {name, std::move(text), ".", Fault::Overflow, 0};
}

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsOrRejects) {
  const ReadCase& c = GetParam();
  const ReadResult r = ReadNumber(c.text, c.separator);
  ASSERT_EQ(r.fault, c.fault);
  if (c.fault != Fault::None) return;
  EXPECT_EQ(r.value, c.value);
  EXPECT_EQ(std::signbit(r.value), std::signbit(c.value));
}

// 1 + 2^-24, exactly halfway between the float 1 and the next float up.
const std::string kHalfway = "1.000000059604644775390625";

INSTANTIATE_TEST_SUITE_P(
    Accepted, ReadNumberTest,
    ::testing::Values(
        Number("Integer", "14", 14.0f), Number("Blanks", " \t14 \t", 14.0f),
        Number("Fraction", "5.6", 5.6f), Number("Negative", "-2.5", -2.5f),
        Number("Plus", "+2.5", 2.5f), Number("NoWholeDigits", ".5", 0.5f),
        Number("NoFractionDigits", "5.", 5.0f), Number("Zero", "0", 0.0f),
        Number("NegativeZero", "-0.0", -0.0f), Number("Exponent", "1e3", 1000.0f),
        Number("ExponentUpperAndPlus", "1.5E+3", 1500.0f),
        Number("NegativeExponent", "25e-1", 2.5f), Number("Comma", "2,5", 2.5f, ","),
        Number("TwoByteSeparator", "2\u066b5", 2.5f, "\u066b"),
        Number("LargestFloat", "3.4028235e38", std::numeric_limits<float>::max()),
        Number("SmallestSubnormal", "1e-45", std::numeric_limits<float>::denorm_min()),
        Number("UnderflowToZero", "7e-46", 0.0f),
        Number("UnderflowToNegativeZero", "-1e-50", -0.0f),
        Number("HugeNegativeExponent", "1e-99999999999999999999", 0.0f),
        Number("ZeroWithHugeExponent", "0e99999999999999999999", 0.0f),
        // Rounding through double first would land exactly halfway and go down to 1.
        Number("RoundedOnce", "1.000000059604644776", 1.0000001192092896f),
        Number("LongHalfwayToEven", kHalfway + std::string(500, '0'), 1.0f),
        Number("LongJustAboveHalfway", kHalfway + std::string(500, '0') + "1", 1.0000001192092896f),
        Number("LongLeadingZeros", "0." + std::string(400, '0') + "1e400", 0.1f),
        Number("LongDigitsScaledBack", "1" + std::string(1000, '0') + "e-1000", 1.0f)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Rejected, ReadNumberTest,
    ::testing::Values(
        Mismatch("Empty", ""), Mismatch("BlanksOnly", " \t "), Mismatch("SeparatorAlone", "."),
        Mismatch("SignAlone", "-"), Mismatch("TwoSigns", "+-1"), Mismatch("TrailingSign", "1-"),
        Mismatch("OtherSeparator", "2,5"), Mismatch("PointWithCommaSeparator", "2.5", ","),
        Mismatch("Grouping", "1,234.5"), Mismatch("GroupingWithComma", "1.234,5", ","),
        Mismatch("EmbeddedBlank", "1 234"), Mismatch("BlankAfterSign", "- 1"),
        Mismatch("TwoSeparators", "1.2.3"), Mismatch("Letters", "abc"),
        Mismatch("TrailingLetters", "12abc"), Mismatch("ExponentWithoutDigits", "1e"),
        Mismatch("ExponentSignOnly", "1e+"), Mismatch("ExponentAlone", "e5"),
        Mismatch("FractionalExponent", "1e2.5"), Mismatch("Inf", "inf"),
        Mismatch("Infinity", "Infinity"), Mismatch("NaN", "NaN"), Mismatch("Hex", "0x10"),
        Mismatch("HexFloat", "0x1p3"), Mismatch("ArabicIndicDigits", "\u0661\u0662"),
        Mismatch("FullwidthDigits", "\uff11\uff12"), Mismatch("NoBreakSpace", "\u00a012"),
        Mismatch("NewLine", "12\n")),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(OutOfRange, ReadNumberTest,
                         ::testing::Values(TooLarge("AboveLargestFloat", "3.4028236e38"),
                                           TooLarge("Large", "1e39"),
                                           TooLarge("NegativeLarge", "-1e39"),
                                           TooLarge("HugeExponent", "1e99999999999999999999"),
                                           TooLarge("LongInteger", "1" + std::string(100000, '0')),
                                           TooLarge("TinyTimesHugeExponent", "0.0001e50")),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel
