// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <gtest/gtest.h>

#include "core/calc.h"

namespace ostrel {
namespace {

TEST(AllCalc, StartUpDesignGivesEveryWorkedValue) {
  CalcState s;
  StoreStartupDesign(s);
  ASSERT_EQ(All_Calc(s), Fault::None);
  EXPECT_EQ(s.GasketThickness, 2.8284270763397217f);
  EXPECT_EQ(s.OctahedronVolume, 1293.5340576171875f);
  EXPECT_EQ(s.GasketVolume, 2884.99560546875f);
  EXPECT_EQ(s.HoleVolume, 281.5453186035156f);
  EXPECT_EQ(s.SpreadAngle, 135.178192138671875f);
  EXPECT_EQ(s.RakeAngle, 8.5101318359375f);
  EXPECT_EQ(s.PaperHole, 20);
  EXPECT_EQ(s.PaperWidth, 50.79999923706055f);
  EXPECT_EQ(s.ModifiedGasketThickness, 2.8284270763397217f);
  // The press results belong to the refresh, not to All_Calc.
  EXPECT_EQ(s.Force, 0);
}

TEST(AllCalc, ZeroOelStopsInTheTrenchAndLeavesThePaperAlone) {
  CalcState s;
  StoreStartupDesign(s);
  s.OEL = 0;
  s.PaperHole = -1;
  s.PaperWidth = -2;
  s.ModifiedGasketThickness = -3;
  EXPECT_EQ(All_Calc(s), Fault::DivisionByZero);
  EXPECT_EQ(s.GasketThickness, -3.7712361812591553f);
  EXPECT_EQ(s.OuterShortEdge, 15.333333969116211f);
  EXPECT_EQ(s.HoleVolume, 0);
  EXPECT_EQ(s.SpreadAngle, 0);
  EXPECT_EQ(s.PaperHole, -1);
  EXPECT_EQ(s.PaperWidth, -2);
  EXPECT_EQ(s.ModifiedGasketThickness, -3);
}

}  // namespace
}  // namespace ostrel
