// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>

#include "present/view.h"

namespace ostrel {

// What a box's number measures, which decides the unit it is shown in.
enum class Quantity {
  Length,       // the length option group
  Volume,       // the cube of the length unit
  Angle,        // always degrees
  OilPressure,  // the oil-pressure option group
  Force,        // the force option group
  Pressure,     // always GPa
};

// The window's labels are short and only one of them names a unit, so each box also carries a
// full description of its quantity in the current unit (its tooltip and accessible description).
struct BoxLabel {
  Box box;
  const char* quantity;
  Quantity kind;
};

inline constexpr BoxLabel kBoxLabels[kBoxCount] = {
    {Box::txtOEL, "Octahedron edge length", Quantity::Length},
    {Box::txtTEL, "Truncation edge length", Quantity::Length},
    {Box::txtGasketWidth, "Gasket width", Quantity::Length},
    {Box::txtHoleDiameter, "Hole diameter", Quantity::Length},
    {Box::txtTCCentralDepth, "Thermocouple central depth", Quantity::Length},
    {Box::txtTCEdgePosition, "Thermocouple position on octahedron edge", Quantity::Length},
    {Box::txtCubeSize, "Cube size", Quantity::Length},
    {Box::txtTapeThickness, "Tape thickness", Quantity::Length},
    {Box::txtGasketThickness, "Gasket thickness", Quantity::Length},
    {Box::txtInnerShortEdge, "Gasket inner short edge", Quantity::Length},
    {Box::txtInnerLongEdge, "Gasket inner long edge", Quantity::Length},
    {Box::txtOctahedronVolume, "Octahedron volume", Quantity::Volume},
    {Box::txtHoleLength, "Hole length", Quantity::Length},
    {Box::txtOctahedronWaist, "Octahedron waist", Quantity::Length},
    {Box::txtOuterShortEdge, "Gasket outer short edge", Quantity::Length},
    {Box::txtOuterLongEdge, "Gasket outer long edge", Quantity::Length},
    {Box::txtGasketVolume, "Total gasket volume", Quantity::Volume},
    {Box::txtHoleVolume, "Hole volume", Quantity::Volume},
    {Box::txtSpreadAngle, "Spread angle", Quantity::Angle},
    {Box::txtRakeAngle, "Rake angle", Quantity::Angle},
    {Box::txtPaperHole, "Paper hole width", Quantity::Length},
    {Box::txtPaperWidth, "Paper width", Quantity::Length},
    {Box::txtModifiedGasketThickness, "Modified gasket thickness", Quantity::Length},
    {Box::txtRamDiameter, "Ram diameter", Quantity::Length},
    {Box::txtOilPressure, "Oil pressure", Quantity::OilPressure},
    {Box::txtForce, "Force", Quantity::Force},
    {Box::txtTheoreticalPressure, "Theoretical pressure", Quantity::Pressure},
};

// Unit texts by option Index of each group.
inline constexpr const char* kLengthUnitTexts[] = {"mm", "in"};
inline constexpr const char* kVolumeUnitTexts[] = {"mm\u00b3", "in\u00b3"};
inline constexpr const char* kOilPressureUnitTexts[] = {"MPa", "bar", "psi"};
inline constexpr const char* kForceUnitTexts[] = {"kN", "metric tons", "US tons"};

// The selected option of each group, -1 where none is: the first selected in Index order, as
// the refresh reads them.
struct UnitChoice {
  int distance = -1;
  int oil_pressure = -1;
  int force = -1;
};

UnitChoice SelectedUnits(const View& view);

const BoxLabel& LabelOf(Box box);

// "mm", "in³", "GPa", ...; empty where the box's group has no selection.
std::string UnitText(Quantity kind, const UnitChoice& units);

// "Octahedron edge length (mm)": the tooltip and accessible description of a box. Without a
// unit (no selection in its group) just the quantity's name.
std::string BoxDescription(Box box, const UnitChoice& units);

}  // namespace ostrel
