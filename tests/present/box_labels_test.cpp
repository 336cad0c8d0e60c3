// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/box_labels.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <utility>

namespace ostrel {
namespace {

// Only the option groups matter here; boxes are never touched.
class SelectionView final : public View {
 public:
  std::set<std::pair<Group, int>> selected;

  std::string BoxText(Box) const override { return {}; }
  void SetBoxText(Box, const std::string&) override {}
  bool IsSelected(Group group, int index) const override {
    return selected.count({group, index}) != 0;
  }
  void SelectOption(Group group, int index) override { selected.insert({group, index}); }
  std::string DecimalSeparator() const override { return "."; }
};

struct DescriptionCase {
  Box box;
  const char* metric;    // millimetres, MPa, kN
  const char* imperial;  // inches, bars, metric tons
};

constexpr DescriptionCase kDescriptions[] = {
    {Box::txtOEL, "Octahedron edge length (mm)", "Octahedron edge length (in)"},
    {Box::txtTEL, "Truncation edge length (mm)", "Truncation edge length (in)"},
    {Box::txtGasketWidth, "Gasket width (mm)", "Gasket width (in)"},
    {Box::txtHoleDiameter, "Hole diameter (mm)", "Hole diameter (in)"},
    {Box::txtTCCentralDepth, "Thermocouple central depth (mm)", "Thermocouple central depth (in)"},
    {Box::txtTCEdgePosition, "Thermocouple position on octahedron edge (mm)",
     "Thermocouple position on octahedron edge (in)"},
    {Box::txtCubeSize, "Cube size (mm)", "Cube size (in)"},
    {Box::txtTapeThickness, "Tape thickness (mm)", "Tape thickness (in)"},
    {Box::txtGasketThickness, "Gasket thickness (mm)", "Gasket thickness (in)"},
    {Box::txtInnerShortEdge, "Gasket inner short edge (mm)", "Gasket inner short edge (in)"},
    {Box::txtInnerLongEdge, "Gasket inner long edge (mm)", "Gasket inner long edge (in)"},
    {Box::txtOctahedronVolume, "Octahedron volume (mm\u00b3)", "Octahedron volume (in\u00b3)"},
    {Box::txtHoleLength, "Hole length (mm)", "Hole length (in)"},
    {Box::txtOctahedronWaist, "Octahedron waist (mm)", "Octahedron waist (in)"},
    {Box::txtOuterShortEdge, "Gasket outer short edge (mm)", "Gasket outer short edge (in)"},
    {Box::txtOuterLongEdge, "Gasket outer long edge (mm)", "Gasket outer long edge (in)"},
    {Box::txtGasketVolume, "Total gasket volume (mm\u00b3)", "Total gasket volume (in\u00b3)"},
    {Box::txtHoleVolume, "Hole volume (mm\u00b3)", "Hole volume (in\u00b3)"},
    {Box::txtSpreadAngle, "Spread angle (degrees)", "Spread angle (degrees)"},
    {Box::txtRakeAngle, "Rake angle (degrees)", "Rake angle (degrees)"},
    {Box::txtPaperHole, "Paper hole width (mm)", "Paper hole width (in)"},
    {Box::txtPaperWidth, "Paper width (mm)", "Paper width (in)"},
    {Box::txtModifiedGasketThickness, "Modified gasket thickness (mm)",
     "Modified gasket thickness (in)"},
    {Box::txtRamDiameter, "Ram diameter (mm)", "Ram diameter (in)"},
    {Box::txtOilPressure, "Oil pressure (MPa)", "Oil pressure (bar)"},
    {Box::txtForce, "Force (kN)", "Force (metric tons)"},
    {Box::txtTheoreticalPressure, "Theoretical pressure (GPa)", "Theoretical pressure (GPa)"},
};
static_assert(std::size(kDescriptions) == kBoxCount);

TEST(BoxDescriptionTest, EveryBoxInMetricAndImperialUnits) {
  for (const DescriptionCase& c : kDescriptions) {
    SCOPED_TRACE(LabelOf(c.box).quantity);
    EXPECT_EQ(BoxDescription(c.box, UnitChoice{0, 0, 0}), c.metric);
    EXPECT_EQ(BoxDescription(c.box, UnitChoice{1, 1, 1}), c.imperial);
  }
}

TEST(BoxDescriptionTest, EachGroupOnlyChangesItsOwnBoxes) {
  struct Case {
    const char* name;
    UnitChoice units;
    Box box;
    const char* expected;
  };
  const Case cases[] = {
      {"psi", {0, 2, 0}, Box::txtOilPressure, "Oil pressure (psi)"},
      {"US tons", {0, 0, 2}, Box::txtForce, "Force (US tons)"},
      {"inches leave oil", {1, 2, 2}, Box::txtOilPressure, "Oil pressure (psi)"},
      {"inches leave force", {1, 2, 2}, Box::txtForce, "Force (US tons)"},
      {"psi leaves lengths", {0, 2, 2}, Box::txtRamDiameter, "Ram diameter (mm)"},
      {"US tons leave volumes", {1, 0, 2}, Box::txtHoleVolume, "Hole volume (in\u00b3)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BoxDescription(c.box, c.units), c.expected);
  }
}

TEST(BoxDescriptionTest, GroupWithoutSelectionLeavesTheUnitOut) {
  EXPECT_EQ(BoxDescription(Box::txtOEL, UnitChoice{-1, 0, 0}), "Octahedron edge length");
  EXPECT_EQ(BoxDescription(Box::txtGasketVolume, UnitChoice{}), "Total gasket volume");
  EXPECT_EQ(BoxDescription(Box::txtForce, UnitChoice{0, 0, 3}), "Force");
  // Degrees and GPa belong to no group.
  EXPECT_EQ(BoxDescription(Box::txtRakeAngle, UnitChoice{}), "Rake angle (degrees)");
  EXPECT_EQ(BoxDescription(Box::txtTheoreticalPressure, UnitChoice{}),
            "Theoretical pressure (GPa)");
}

TEST(BoxLabelsTest, QuantityNamesAreDistinct) {
  std::set<std::string> names;
  for (const BoxLabel& label : kBoxLabels) {
    EXPECT_TRUE(names.insert(label.quantity).second) << label.quantity;
  }
}

TEST(SelectedUnitsTest, ReadsEachGroupInIndexOrder) {
  struct Case {
    const char* name;
    std::set<std::pair<Group, int>> selected;
    int distance, oil_pressure, force;
  };
  const Case cases[] = {
      {"start-up selection",
       {{Group::optDistanceUnits, 0}, {Group::optOilPressureUnits, 2}, {Group::optForceUnits, 2}},
       0,
       2,
       2},
      {"inches, bars, metric tons",
       {{Group::optDistanceUnits, 1}, {Group::optOilPressureUnits, 1}, {Group::optForceUnits, 1}},
       1,
       1,
       1},
      {"nothing selected", {}, -1, -1, -1},
      {"first of two selections wins",
       {{Group::optOilPressureUnits, 1}, {Group::optOilPressureUnits, 2}},
       -1,
       1,
       -1},
      {"index beyond the group is not an option", {{Group::optDistanceUnits, 2}}, -1, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SelectionView view;
    view.selected = c.selected;
    const UnitChoice units = SelectedUnits(view);
    EXPECT_EQ(units.distance, c.distance);
    EXPECT_EQ(units.oil_pressure, c.oil_pressure);
    EXPECT_EQ(units.force, c.force);
  }
}

}  // namespace
}  // namespace ostrel
