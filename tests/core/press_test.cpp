// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <gtest/gtest.h>

#include <cmath>

#include "core/calc.h"

namespace ostrel {
namespace {

struct PresetCase {
  const char* name;
  std::int16_t index;
  float ram;
};

class PresetTest : public testing::TestWithParam<PresetCase> {};

TEST_P(PresetTest, StoresOnlyTheRamDiameter) {
  CalcState s;
  s.RamDiameter = 1;
  s.OilPressure = 6.897f;
  StorePressPreset(s, GetParam().index);
  EXPECT_EQ(s.RamDiameter, GetParam().ram);
  EXPECT_EQ(s.OilPressure, 6.897f);
}

INSTANTIATE_TEST_SUITE_P(Presses, PresetTest,
                         testing::Values(PresetCase{"BigBlue", 0, 431.80108642578125f},
                                         PresetCase{"RedBlueGreen", 1, 457.20120239257812f},
                                         PresetCase{"Rockland", 2, 431.80108642578125f},
                                         PresetCase{"SumitomoAtDorvik", 3, 370.0f},
                                         PresetCase{"IndexFourStoresNothing", 4, 1},
                                         PresetCase{"NegativeIndexStoresNothing", -1, 1}),
                         [](const testing::TestParamInfo<PresetCase>& info) {
                           return info.param.name;
                         });

struct LoadCase {
  const char* name;
  float ram, oil, tel;
  double force, pressure;  // as worked out to the digits known
  double force_tolerance, pressure_tolerance;
};

class PressLoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(PressLoadTest, ForceAndPressure) {
  const LoadCase& c = GetParam();
  CalcState s;
  s.RamDiameter = c.ram;
  s.OilPressure = c.oil;
  s.TEL = c.tel;
  ASSERT_EQ(ForceStep(s), Fault::None);
  ASSERT_EQ(PressureStep(s), Fault::None);
  EXPECT_NEAR(s.Force, c.force, c.force_tolerance);
  EXPECT_NEAR(s.TheoreticalPressure, c.pressure, c.pressure_tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Loads, PressLoadTest,
    testing::Values(LoadCase{"StartUp", 431.8f, 6.897f, 8, 1009.986, 9.111182, 5e-4, 5e-7},
                    LoadCase{"RedBlueGreen", 457.2012f, 6.897f, 8, 1132.309, 10.21467, 5e-4, 5e-6},
                    LoadCase{"SumitomoAtDorvik", 370, 6.897f, 8, 741.5724, 6.689797, 5e-5, 5e-7},
                    LoadCase{"ThousandPsi", 431.8f, static_cast<float>(1000.0 / 145), 8, 1009.920,
                             9.1106, 5e-4, 1e-3},
                    LoadCase{"SmallTruncation", 431.8f, 6.897f, 4, 1009.986, 36.44473, 5e-4, 5e-6},
                    LoadCase{"NegativeOil", 431.8f, -6.897f, 8, -1009.986, -9.111182, 5e-4, 5e-7},
                    LoadCase{"NegativeRam", -431.8f, 6.897f, 8, 1009.986, 9.111182, 5e-4, 5e-7}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

TEST(PressLoad, PresetsZeroAndTwoGiveTheSameForceUnlikeTheStartUpRam) {
  CalcState a, b, start;
  a.OilPressure = b.OilPressure = start.OilPressure = 6.897f;
  StorePressPreset(a, 0);
  StorePressPreset(b, 2);
  start.RamDiameter = 431.8f;
  ASSERT_EQ(ForceStep(a), Fault::None);
  ASSERT_EQ(ForceStep(b), Fault::None);
  ASSERT_EQ(ForceStep(start), Fault::None);
  EXPECT_EQ(a.Force, b.Force);
  EXPECT_NE(a.Force, start.Force);
}

struct PressureFaultCase {
  const char* name;
  float oil;
  Fault fault;
};

class PressureStepFault : public testing::TestWithParam<PressureFaultCase> {};

TEST_P(PressureStepFault, ZeroTruncationDividesByZero) {
  CalcState s;
  s.RamDiameter = 431.8f;
  s.OilPressure = GetParam().oil;
  s.TEL = 0;
  ASSERT_EQ(ForceStep(s), Fault::None);
  EXPECT_EQ(PressureStep(s), GetParam().fault);
  if (GetParam().fault == Fault::DivisionByZero) {
    EXPECT_TRUE(std::isinf(s.TheoreticalPressure));
  } else {
    EXPECT_TRUE(std::isnan(s.TheoreticalPressure));
  }
}

INSTANTIATE_TEST_SUITE_P(
    ZeroTel, PressureStepFault,
    testing::Values(PressureFaultCase{"NonZeroForce", 6.897f, Fault::DivisionByZero},
                    PressureFaultCase{"ZeroForceIsInvalid", 0, Fault::Overflow}),
    [](const testing::TestParamInfo<PressureFaultCase>& info) { return info.param.name; });

TEST(ForceStepFault, ForceBeyondTheFloatRangeIsStoredAsInfinity) {
  CalcState s;
  s.RamDiameter = 1e30f;
  s.OilPressure = 1;
  s.TheoreticalPressure = 5;
  EXPECT_EQ(ForceStep(s), Fault::Overflow);
  EXPECT_TRUE(std::isinf(s.Force));
  EXPECT_EQ(s.TheoreticalPressure, 5);
}

}  // namespace
}  // namespace ostrel
