// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <gtest/gtest.h>

#include <limits>

#include "core/calc.h"

namespace ostrel {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

struct HoleCase {
  const char* name;
  float oel, tel, diameter;
  float hole_length, hole_volume;
};

class HoleCalcTest : public testing::TestWithParam<HoleCase> {};

TEST_P(HoleCalcTest, StoresTheCylinderVolume) {
  const HoleCase& c = GetParam();
  CalcState s;
  s.OEL = c.oel;
  s.TEL = c.tel;
  s.HoleDiameter = c.diameter;
  ASSERT_EQ(GasketCalc(s), Fault::None);
  ASSERT_EQ(HoleCalc(s), Fault::None);
  EXPECT_EQ(s.HoleLength, c.hole_length);
  EXPECT_EQ(s.HoleVolume, c.hole_volume);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedHoles, HoleCalcTest,
    testing::Values(
        HoleCase{"StartUp", 14, 8, 5.6f, 11.430952072143555f, 281.5453186035156f},
        HoleCase{"ZeroDiameter", 14, 8, 0, 11.430952072143555f, 0},
        HoleCase{"NegativeDiameter", 14, 8, -5.6f, 11.430952072143555f, 281.5453186035156f},
        HoleCase{"NegativeOel", -14, 8, 5.6f, -11.430952072143555f, -281.5453186035156f},
        HoleCase{"Oel10Tel4", 10, 4, 5.6f, 8.164965629577637f, 201.1038055419922f}),
    [](const testing::TestParamInfo<HoleCase>& info) { return info.param.name; });

TEST(HoleCalcFault, HugeDiameterOverflowsTheVolume) {
  CalcState s;
  s.HoleDiameter = 1e19f;
  s.HoleLength = 11.430952072143555f;
  EXPECT_EQ(HoleCalc(s), Fault::Overflow);
  EXPECT_EQ(s.HoleVolume, kInf);
}

TEST(HoleCalcRun, HoleVolumeBelongsToThePreviousOctahedronUntilItRuns) {
  CalcState s;
  StoreStartupDesign(s);
  ASSERT_EQ(All_Calc(s), Fault::None);
  s.OEL = 10;
  s.TEL = 4;
  ASSERT_EQ(GasketCalc(s), Fault::None);
  EXPECT_EQ(s.HoleLength, 8.164965629577637f);
  EXPECT_EQ(s.HoleVolume, 281.5453186035156f);
}

struct PaperCase {
  const char* name;
  float cube, tape;
  float paper_hole, paper_width, modified_thickness;
};

class PaperCalcTest : public testing::TestWithParam<PaperCase> {};

TEST_P(PaperCalcTest, StoresThePaperSizes) {
  const PaperCase& c = GetParam();
  CalcState s;
  StoreStartupDesign(s);
  ASSERT_EQ(GasketCalc(s), Fault::None);
  s.CubeSize = c.cube;
  s.TapeThickness = c.tape;
  ASSERT_EQ(PaperCalc(s), Fault::None);
  EXPECT_EQ(s.PaperHole, c.paper_hole);
  EXPECT_EQ(s.PaperWidth, c.paper_width);
  EXPECT_EQ(s.ModifiedGasketThickness, c.modified_thickness);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedPapers, PaperCalcTest,
    testing::Values(PaperCase{"StartUp", 25.4f, 0, 20, 50.79999923706055f, 2.8284270763397217f},
                    PaperCase{"ThinTape", 25.4f, 0.1f, 20, 50.79999923706055f, 2.7284271717071533f},
                    PaperCase{"TapeThickerThanGasket", 25.4f, 3, 20, 50.79999923706055f,
                              -0.17157292366027832f},
                    PaperCase{"ZeroCube", 0, 0, 20, 0, 2.8284270763397217f}),
    [](const testing::TestParamInfo<PaperCase>& info) { return info.param.name; });

TEST(PaperCalcRun, ReadsTheInputsNotTheStaleOuterEdge) {
  CalcState s;
  StoreStartupDesign(s);
  ASSERT_EQ(All_Calc(s), Fault::None);
  s.OEL = 18;
  s.TEL = 11;
  ASSERT_EQ(GasketCalc(s), Fault::None);
  ASSERT_EQ(PaperCalc(s), Fault::None);
  EXPECT_EQ(s.PaperHole, 23.33333396911621f);
  EXPECT_EQ(s.ModifiedGasketThickness, 3.2998316287994385f);
  EXPECT_EQ(s.OuterShortEdge, 20);
}

TEST(PaperCalcFault, HugeCubeOverflowsTheWidthAfterTheHoleIsStored) {
  CalcState s;
  StoreStartupDesign(s);
  s.GasketThickness = 2.8284270763397217f;
  s.CubeSize = 2e38f;
  s.ModifiedGasketThickness = -5;
  EXPECT_EQ(PaperCalc(s), Fault::Overflow);
  EXPECT_EQ(s.PaperHole, 20);
  EXPECT_EQ(s.PaperWidth, kInf);
  EXPECT_EQ(s.ModifiedGasketThickness, -5);
}

}  // namespace
}  // namespace ostrel
