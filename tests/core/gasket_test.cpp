// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/calc.h"

namespace ostrel {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

struct GeometryCase {
  const char* name;
  float oel, tel, width;
  float thickness, waist, inner_short, inner_long, volume, hole_length;
  float outer_short, outer_long, gasket_volume;
};

class GeometryTest : public testing::TestWithParam<GeometryCase> {};

TEST_P(GeometryTest, BothProceduresStoreTheWorkedValues) {
  const GeometryCase& c = GetParam();
  CalcState s;
  s.OEL = c.oel;
  s.TEL = c.tel;
  s.GasketWidth = c.width;
  ASSERT_EQ(GasketCalc(s), Fault::None);
  ASSERT_EQ(OuterCalc(s), Fault::None);
  EXPECT_EQ(s.GasketThickness, c.thickness);
  EXPECT_EQ(s.OctahedronWaist, c.waist);
  EXPECT_EQ(s.InnerShortEdge, c.inner_short);
  EXPECT_EQ(s.InnerLongEdge, c.inner_long);
  EXPECT_EQ(s.OctahedronVolume, c.volume);
  EXPECT_EQ(s.HoleLength, c.hole_length);
  EXPECT_EQ(s.OuterShortEdge, c.outer_short);
  EXPECT_EQ(s.OuterLongEdge, c.outer_long);
  EXPECT_EQ(s.GasketVolume, c.gasket_volume);
}

// The gasket volume is (mean edges) x thickness x width summed over the twelve gaskets.
INSTANTIATE_TEST_SUITE_P(
    WorkedDesigns, GeometryTest,
    testing::Values(
        GeometryCase{"StartUp", 14, 8, 5, 2.8284270763397217f, 1, 10, 14, 1293.5340576171875f,
                     11.430952072143555f, 20, 24, 2884.99560546875f},
        GeometryCase{"ZeroWidth", 14, 8, 0, 2.8284270763397217f, 1, 10, 14, 1293.5340576171875f,
                     11.430952072143555f, 10, 14, 0},
        GeometryCase{"OelEqualsTel", 14, 14, 5, 0, 0, 14, 14, 1293.5340576171875f,
                     11.430952072143555f, 24, 24, 0},
        GeometryCase{"TelAboveOel", 8, 14, 5, -2.8284270763397217f, -1, 12, 8, 241.35911560058594f,
                     6.531972885131836f, 22, 18, -2545.58447265625f},
        GeometryCase{"AllZero", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        // The volume takes the long edge as stored (17.060001373291016), not the double sum
        // 17.060000419616699 it was rounded from: that one gives 1026.3949584960938.
        GeometryCase{"RoundedLongEdge", 5, 2, 6.03f, 1.4142135381698608f, 0.5f, 3, 5,
                     58.925563812255859f, 4.0824828147888184f, 15.060000419616699f,
                     17.060001373291016f, 1026.39501953125f},
        GeometryCase{"NegativeOel", -14, 8, 5, -10.370899200439453f, -3.6666667461395264f,
                     0.6666666865348816f, -14, -1293.5340576171875f, -11.430952072143555f,
                     10.666666984558105f, -4, 1037.08984375f},
        GeometryCase{"Oel18Tel11Width5", 18, 11, 5, 3.2998316287994385f, 1.1666666269302368f,
                     13.333333015441895f, 18, 2749.231201171875f, 14.696938514709473f,
                     23.333332061767578f, 28, 4091.791259765625f}),
    [](const testing::TestParamInfo<GeometryCase>& info) { return info.param.name; });

TEST(GasketCalcFault, HugeOelOverflowsTheVolumeAndKeepsLaterFields) {
  CalcState s;
  s.OEL = 1e13f;
  s.TEL = 8;
  s.HoleLength = -7;
  s.OctahedronWaist = -9;
  EXPECT_EQ(GasketCalc(s), Fault::Overflow);
  EXPECT_EQ(s.InnerLongEdge, 1e13f);
  EXPECT_EQ(s.GasketThickness, static_cast<float>(std::sqrt(2.0) * (1e13f - 8.0) / 3));
  EXPECT_EQ(s.InnerShortEdge, static_cast<float>((16.0 + 1e13f) / 3));
  EXPECT_EQ(s.OctahedronVolume, kInf);
  EXPECT_EQ(s.HoleLength, -7);
  EXPECT_EQ(s.OctahedronWaist, -9);
}

TEST(GasketCalcFault, NegativeHugeOelGivesNegativeInfinity) {
  CalcState s;
  s.OEL = -1e13f;
  EXPECT_EQ(GasketCalc(s), Fault::Overflow);
  EXPECT_EQ(s.OctahedronVolume, -kInf);
}

struct OuterFaultCase {
  const char* name;
  float width, inner_short, inner_long;
  float outer_short, outer_long, gasket_volume;
};

class OuterCalcFault : public testing::TestWithParam<OuterFaultCase> {};

// Old values are -1, -2, -3 so that "kept" is visible.
TEST_P(OuterCalcFault, StopsWhereTheRoundingOverflows) {
  const OuterFaultCase& c = GetParam();
  CalcState s;
  s.GasketWidth = c.width;
  s.InnerShortEdge = c.inner_short;
  s.InnerLongEdge = c.inner_long;
  s.GasketThickness = 2;
  s.OuterShortEdge = -1;
  s.OuterLongEdge = -2;
  s.GasketVolume = -3;
  EXPECT_EQ(OuterCalc(s), Fault::Overflow);
  EXPECT_EQ(s.OuterShortEdge, c.outer_short);
  EXPECT_EQ(s.OuterLongEdge, c.outer_long);
  EXPECT_EQ(s.GasketVolume, c.gasket_volume);
}

INSTANTIATE_TEST_SUITE_P(
    Overflows, OuterCalcFault,
    testing::Values(
        // s rounds to infinity: caught by the check after l, before anything is stored.
        OuterFaultCase{"ShortEdge", 3e38f, 10, 14, -1, -2, -3},
        // s fits, l does not: both edges stored, caught after them, volume untouched.
        OuterFaultCase{"LongEdge", 1.7e38f, 0, 3e37f, 3.4e38f, kInf, -3},
        // Edges fit, the volume does not.
        OuterFaultCase{"Volume", 1e37f, 10, 14, 2e37f, 2e37f, kInf}),
    [](const testing::TestParamInfo<OuterFaultCase>& info) { return info.param.name; });

TEST(GasketCalcRun, AloneLeavesTheOuterEdgesOfThePreviousDesign) {
  CalcState s;
  StoreStartupDesign(s);
  ASSERT_EQ(All_Calc(s), Fault::None);
  s.OEL = 18;
  s.TEL = 11;
  ASSERT_EQ(GasketCalc(s), Fault::None);
  EXPECT_EQ(s.OuterShortEdge, 20);
  EXPECT_EQ(s.OuterLongEdge, 24);
  EXPECT_EQ(s.GasketVolume, 2884.99560546875f);
}

TEST(FaultFlags, FlagsRaisedBeforeAProcedureAreNotItsFault) {
  CalcState s;
  StoreStartupDesign(s);
  std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
  EXPECT_EQ(GasketCalc(s), Fault::None);
  std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
  EXPECT_EQ(OuterCalc(s), Fault::None);
  EXPECT_EQ(s.GasketVolume, 2884.99560546875f);
}

// Every field is +0.0f, compared bit for bit (a -0.0f or a stray default fails): the record is
// 36 floats and nothing else, and a new one reads as 36 zero floats.
TEST(CalcStateRecord, IsZeroWhenCreated) {
  static_assert(sizeof(CalcState) == 36 * sizeof(float));
  const CalcState s;
  std::array<std::uint32_t, 36> bits{};
  std::memcpy(bits.data(), &s, sizeof s);
  for (std::size_t i = 0; i < bits.size(); ++i) EXPECT_EQ(bits[i], 0u) << "float " << i;
}

TEST(CalcStateRecord, StartupDesignTouchesOnlyTheDesignInputs) {
  CalcState s;
  StoreStartupDesign(s);
  EXPECT_EQ(s.OEL, 14);
  EXPECT_EQ(s.HoleDiameter, 5.599999904632568f);
  EXPECT_EQ(s.CubeSize, 25.399999618530273f);
  EXPECT_EQ(s.GasketThickness, 0);
  EXPECT_EQ(s.RamDiameter, 0);
  StoreStartupPress(s);
  EXPECT_EQ(s.RamDiameter, 431.79998779296875f);
  EXPECT_EQ(s.OilPressure, 6.896999835968018f);
  EXPECT_EQ(s.DistFactor, 0);
}

}  // namespace
}  // namespace ostrel
