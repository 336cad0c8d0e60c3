// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>
#include <string_view>

#include "core/fault.h"

// Ostrel's presentation layer.
//
// Data flow: a handler (handlers.h) reads a box through View, stores the number into
// CalcState and runs a core procedure -> ShowResults (show_results.h) reads the three unit
// groups, stores the factors and writes all 27 boxes in a fixed order through View, running the
// force and pressure steps on the way -> the window shows the texts.
//
// Pure C++: the window implements View with widgets; tests implement it with a map.
namespace ostrel {

// The 27 text boxes, in the order ShowResults writes them.
enum class Box {
  txtOEL,
  txtTEL,
  txtGasketWidth,
  txtHoleDiameter,
  txtTCCentralDepth,
  txtTCEdgePosition,
  txtCubeSize,
  txtTapeThickness,
  txtGasketThickness,
  txtInnerShortEdge,
  txtInnerLongEdge,
  txtOctahedronVolume,
  txtHoleLength,
  txtOctahedronWaist,
  txtOuterShortEdge,
  txtOuterLongEdge,
  txtGasketVolume,
  txtHoleVolume,
  txtSpreadAngle,
  txtRakeAngle,
  txtPaperHole,
  txtPaperWidth,
  txtModifiedGasketThickness,
  txtRamDiameter,
  txtOilPressure,
  txtForce,
  txtTheoreticalPressure,
};
inline constexpr int kBoxCount = 27;

// The three unit option groups.
enum class Group {
  optDistanceUnits,     // Index 0 "Millimeters", 1 "Inches"
  optOilPressureUnits,  // Index 0 "MPa", 1 "bars", 2 "psi"
  optForceUnits,        // Index 0 "kN", 1 "Metric tons", 2 "US tons"
};

class View {
 public:
  virtual ~View() = default;

  virtual std::string BoxText(Box box) const = 0;
  virtual void SetBoxText(Box box, const std::string& text) = 0;

  virtual bool IsSelected(Group group, int index) const = 0;

  // Selects an option from code with the effect of a click: an option that was not selected
  // becomes the group's selection and the group's click handler runs with that Index before
  // this returns; selecting the selected option does nothing.
  virtual void SelectOption(Group group, int index) = 0;

  // Selects from code as SelectOption does, but hands back the fault of the click handler that the
  // selection ran (Fault::None where none ran or it succeeded) instead of reporting it, so that a
  // sequence of selections can stop at the first fault and report it once. A view whose
  // selections run no handler needs nothing more than the default.
  virtual Fault SelectOptionForResult(Group group, int index) {
    SelectOption(group, index);
    return Fault::None;
  }

  // The decimal separator of the user's number format (UTF-8), asked afresh at every use so
  // that a change of locale is never missed.
  virtual std::string DecimalSeparator() const = 0;
};

}  // namespace ostrel
