// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/accessible_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ostrel {
namespace {

struct DescriptionCase {
  const char* name;
  Box box;
  UnitChoice units;
  const char* expected;
};

class BoxAccessibleDescriptionTest : public testing::TestWithParam<DescriptionCase> {};

TEST_P(BoxAccessibleDescriptionTest, SaysInputOrResultAndTheSpokenUnit) {
  const DescriptionCase& c = GetParam();
  EXPECT_EQ(BoxAccessibleDescription(c.box, c.units), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, BoxAccessibleDescriptionTest,
    testing::Values(
        DescriptionCase{"OelMillimetres", Box::txtOEL, {0, 2, 2}, "input, millimetres"},
        DescriptionCase{"OelInches", Box::txtOEL, {1, 0, 0}, "input, inches"},
        DescriptionCase{
            "WaistMillimetres", Box::txtOctahedronWaist, {0, 2, 2}, "result, millimetres"},
        DescriptionCase{
            "VolumeCubicInches", Box::txtOctahedronVolume, {1, 0, 0}, "result, cubic inches"},
        DescriptionCase{"OilPsi", Box::txtOilPressure, {0, 2, 2}, "input, pounds per square inch"},
        DescriptionCase{"OilBars", Box::txtOilPressure, {0, 1, 2}, "input, bars"},
        DescriptionCase{"ForceMetricTons", Box::txtForce, {0, 2, 1}, "result, metric tons"},
        DescriptionCase{"RakeDegrees", Box::txtRakeAngle, {-1, -1, -1}, "result, degrees"},
        DescriptionCase{
            "PressureGigapascals", Box::txtTheoreticalPressure, {0, 0, 0}, "result, gigapascals"},
        DescriptionCase{"RamWithoutSelection", Box::txtRamDiameter, {-1, -1, -1}, "input"}),
    [](const testing::TestParamInfo<DescriptionCase>& info) { return info.param.name; });

TEST(BoxUse, TenInputsAndSeventeenResults) {
  int inputs = 0;
  for (int b = 0; b < kBoxCount; ++b) inputs += UseOf(static_cast<Box>(b)) == BoxUse::Input;
  EXPECT_EQ(inputs, 10);
  EXPECT_EQ(UseOf(Box::txtForce), BoxUse::Result);
  EXPECT_EQ(UseOf(Box::txtTapeThickness), BoxUse::Input);
}

TEST(PresetDescription, NamesTheDiameterItStores) {
  EXPECT_EQ(PresetDescription(0), "Sets the ram diameter to 431.8 mm");
  EXPECT_EQ(PresetDescription(1), "Sets the ram diameter to 457.2 mm");
  EXPECT_EQ(PresetDescription(3), "Sets the ram diameter to 370.0 mm");
  EXPECT_EQ(PresetDescription(4), "");
  EXPECT_EQ(PresetDescription(-1), "");
}

// No two named controls, unit groups included, share a name.
TEST(ControlAccess, NamesAreUnique) {
  std::set<std::string> names;
  for (const ControlAccess& row : kControlAccess) EXPECT_TRUE(names.insert(row.name).second);
  for (const char* name : kUnitGroupNames) EXPECT_TRUE(names.insert(name).second);
}

}  // namespace
}  // namespace ostrel
