// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/calc.h"

namespace ostrel {
namespace {

CalcState TrenchDesign(float oel, float position, float depth) {
  CalcState s;
  s.OEL = oel;
  s.TCEdgePosition = position;
  s.TCCentralDepth = depth;
  return s;
}

TEST(TCCalcStartUp, StoresTheWorkedVectorsAndAngles) {
  CalcState s = TrenchDesign(14, 2, 0.5f);
  ASSERT_EQ(TCCalc(s), Fault::None);
  EXPECT_EQ(s.VecA[0], -0.190476194f);
  EXPECT_EQ(s.VecA[1], 0.309523821f);
  EXPECT_EQ(s.VecA[2], -0.119047619f);
  EXPECT_EQ(s.VecB[0], -0.223514944f);
  EXPECT_EQ(s.VecB[1], 0.276485056f);
  EXPECT_EQ(s.VecB[2], -0.152086377f);
  EXPECT_EQ(s.SpreadAngle, 135.178192138671875f);
  EXPECT_EQ(s.RakeAngle, 8.5101318359375f);
}

TEST(TCCalcStartUp, SpreadVectorsGiveTheWorkedAngle) {
  CalcState s;
  const float a[3] = {-0.190476194f, 0.309523821f, -0.119047619f};
  for (int i = 0; i < 3; ++i) s.VecA[i] = a[i];
  s.VecB[0] = a[1];
  s.VecB[1] = a[0];
  s.VecB[2] = a[2];
  double degrees = 0;
  ASSERT_EQ(VecAngle(s, degrees), Fault::None);
  EXPECT_NEAR(degrees, 135.178186471, 1e-9);
}

struct AcosCase {
  const char* name;
  float x, radians;
};

class AcosTest : public testing::TestWithParam<AcosCase> {};

TEST_P(AcosTest, MatchesTheWorkedValue) {
  EXPECT_EQ(Acos(GetParam().x), GetParam().radians);
}

INSTANTIATE_TEST_SUITE_P(
    Cosines, AcosTest,
    testing::Values(AcosCase{"SpreadCosine", -0.709302366f, 2.35930443f},
                    AcosCase{"RakeCosine", 0.988989711f, 0.148529813f},
                    AcosCase{"GuardAtPlusLimit", 0.9999f, 0.0f},
                    AcosCase{"GuardAtMinusLimit", -0.9999f, 3.1415927410125732f},
                    AcosCase{"PastOne", 1.5f, 0.0f}, AcosCase{"PastMinusOne", -1.0f, 3.1415927f},
                    AcosCase{"Zero", 0.0f, 1.5707963267948966f}),
    [](const testing::TestParamInfo<AcosCase>& info) { return info.param.name; });

struct AngleCase {
  const char* name;
  float oel, position, depth;
  float spread, rake;
};

class TCCalcAngles : public testing::TestWithParam<AngleCase> {};

TEST_P(TCCalcAngles, MatchTheWorkedAngles) {
  const AngleCase& c = GetParam();
  CalcState s = TrenchDesign(c.oel, c.position, c.depth);
  ASSERT_EQ(TCCalc(s), Fault::None);
  EXPECT_EQ(s.SpreadAngle, c.spread);
  if (c.rake >= 0) {
    EXPECT_EQ(s.RakeAngle, c.rake);
  }
}

// A rake of -1 means the case gives no rake.
INSTANTIATE_TEST_SUITE_P(
    Positions, TCCalcAngles,
    testing::Values(AngleCase{"AtVertex", 14, 0, 0.5f, 120, 3.53972268f},
                    AngleCase{"AtVertexNoDepth", 14, 0, 0, 120, 0},
                    AngleCase{"Midpoint", 14, 7, 0.5f, 180, -1},
                    AngleCase{"JustBeforeMidpoint", 14, 6.9f, 0.5f, 179.054977f, -1},
                    AngleCase{"JustAfterMidpoint", 14, 7.1f, 0.5f, 180.945023f, -1},
                    AngleCase{"OtherVertex", 14, 14, 0.5f, 240, -1},
                    AngleCase{"TenMillimetres", 14, 10, 0.5f, 207.795776f, 46.7475281f},
                    AngleCase{"PastTheEdge", 14, 21, 0.5f, 278.213196f, -1},
                    AngleCase{"BeforeTheEdge", 14, -7, 0.5f, 81.7867889f, -1},
                    AngleCase{"DepthEqualsPosition", 14, 2, 1.63299316f, 135.178192138671875f, 0},
                    AngleCase{"InsideTheGuardBand", 14, 2, 1.7f, 135.178192138671875f, 0},
                    AngleCase{"NoDepth", 14, 2, 0, 135.178192138671875f, 12.1703358f},
                    AngleCase{"NegativeDepth", 14, 2, -0.5f, 135.178192138671875f, 15.7324953f}),
    [](const testing::TestParamInfo<AngleCase>& info) { return info.param.name; });

TEST(TCCalcAngles, GuardBandEdges) {
  // Inside the band the cosine reaches the guard and the rake is 0; just outside it the rake
  // is the smallest the guard lets through, a little above 0.81 degrees.
  for (float depth : {1.526f, 1.740f}) {
    CalcState s = TrenchDesign(14, 2, depth);
    ASSERT_EQ(TCCalc(s), Fault::None);
    EXPECT_EQ(s.RakeAngle, 0.0f) << depth;
  }
  for (float depth : {1.525f, 1.741f}) {
    CalcState s = TrenchDesign(14, 2, depth);
    ASSERT_EQ(TCCalc(s), Fault::None);
    EXPECT_GT(s.RakeAngle, 0.81f) << depth;
    EXPECT_LT(s.RakeAngle, 0.82f) << depth;
  }
}

struct TrenchFaultCase {
  const char* name;
  float position;
  Fault fault;
};

class TCCalcFault : public testing::TestWithParam<TrenchFaultCase> {};

TEST_P(TCCalcFault, ZeroOelStoresNothing) {
  CalcState s = TrenchDesign(0, GetParam().position, 0.5f);
  s.VecA[0] = 7;
  s.VecB[2] = 8;
  s.SpreadAngle = 135;
  s.RakeAngle = 8;
  EXPECT_EQ(TCCalc(s), GetParam().fault);
  EXPECT_EQ(s.VecA[0], 7);
  EXPECT_EQ(s.VecB[2], 8);
  EXPECT_EQ(s.SpreadAngle, 135);
  EXPECT_EQ(s.RakeAngle, 8);
}

INSTANTIATE_TEST_SUITE_P(
    ZeroOel, TCCalcFault,
    testing::Values(TrenchFaultCase{"PositionTwo", 2, Fault::DivisionByZero},
                    TrenchFaultCase{"PositionZeroIsInvalid", 0, Fault::Overflow}),
    [](const testing::TestParamInfo<TrenchFaultCase>& info) { return info.param.name; });

TEST(TCCalcFaultLate, DepthOverflowKeepsTheNewSpreadAndTheOldRake) {
  CalcState reference = TrenchDesign(0.014f, 0.002f, 0.5f);
  ASSERT_EQ(TCCalc(reference), Fault::None);
  CalcState s = TrenchDesign(0.014f, 0.002f, 3e38f);
  s.RakeAngle = 99;
  EXPECT_EQ(TCCalc(s), Fault::Overflow);
  EXPECT_EQ(s.SpreadAngle, reference.SpreadAngle);
  EXPECT_EQ(s.RakeAngle, 99);
}

}  // namespace
}  // namespace ostrel
