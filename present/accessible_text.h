// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>

#include "present/box_labels.h"
#include "present/view.h"

// What a screen reader says for the window's controls, beside their short captions: a box by its
// quantity's full name, described as input or result in the unit selected, spelt out; a button
// by what it calculates or sets. The captions themselves stay as they are.
namespace ostrel {

// Whether the user types a box's number or a Calc button writes it.
enum class BoxUse { Input, Result };

constexpr BoxUse UseOf(Box box) {
  switch (box) {
    case Box::txtOEL:
    case Box::txtTEL:
    case Box::txtGasketWidth:
    case Box::txtHoleDiameter:
    case Box::txtTCCentralDepth:
    case Box::txtTCEdgePosition:
    case Box::txtCubeSize:
    case Box::txtTapeThickness:
    case Box::txtRamDiameter:
    case Box::txtOilPressure:
      return BoxUse::Input;
    default:
      return BoxUse::Result;
  }
}

// The unit's name as spoken ("millimetres", "pounds per square inch"); empty where the box's
// group has no selection.
std::string SpokenUnit(Quantity kind, const UnitChoice& units);

// "result, millimetres", "input, pounds per square inch"; "input" alone where the unit's group
// has no selection. The base description of a box: marks about its state go after it.
std::string BoxAccessibleDescription(Box box, const UnitChoice& units);

// The accessible names and descriptions of the window's controls other than the boxes, by the
// object names the window gives them ("cmdWhichPress_3"). An empty text sets nothing.
struct ControlAccess {
  const char* object_name;
  const char* name;
  const char* description;
};

inline constexpr ControlAccess kControlAccess[] = {
    {"Frame6", "Pressure", ""},
    {"Frame7", "Ram and oil pressure", ""},
    {"Frame8", "Force and theoretical pressure", ""},
    {"cmdCalc", "Calculate section 1, octahedron and cubes", ""},
    {"cmdOuterCalc", "Calculate section 2, independent gasket dimensions", ""},
    {"cmdHole", "Calculate section 3, assembly hole", ""},
    {"cmdTCCalc", "Calculate section 4, thermocouple trench angles", ""},
    {"cmdPaperAndTape", "Calculate section 5, paper and tape", ""},
    {"cmdRam", "Calculate force and theoretical pressure", ""},
};

// The names of the three unit groups, by Group.
inline constexpr const char* kUnitGroupNames[] = {"Length unit", "Oil pressure unit", "Force unit"};

// "Sets the ram diameter to 431.8 mm": the description of preset button `index`, from the
// diameter it stores.
std::string PresetDescription(int index);

}  // namespace ostrel
