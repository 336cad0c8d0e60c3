// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <vector>

#include "core/calc_state.h"
#include "core/fault_site.h"
#include "present/box_labels.h"
#include "present/view.h"

// Where a handler's fault was found, in the window's terms. Data flow: the reading of a box, a
// procedure's failing check (its FaultSite) or the refresh at the box it was writing fills in a
// FaultLocation -> Handlers keeps the last one -> DescribeFault (fault_detail.h) turns it into
// words and the box to change -> the window shows them.
namespace ostrel {

enum class FaultPlace {
  None,         // no fault recorded
  Reading,      // an input box's text could not be read or stored
  Calculation,  // a procedure's check or a press step
  Display,      // the refresh could not write a box
};

// A stored value the failing step started from, and the box that shows it.
struct FaultOperand {
  Box box = Box::txtOEL;
  float value = 0;
  bool divisor = false;  // the step divides by it
};

struct FaultLocation {
  FaultPlace place = FaultPlace::None;
  // Reading: the box read. Calculation: the box of the quantity being computed. Display: the box
  // being written.
  Box box = Box::txtOEL;
  std::string text;                    // Reading: the box's text as it was read
  std::vector<FaultOperand> operands;  // Calculation: in the order the step names them
  double value = 0;                    // Display: the value in the box's unit, before rounding
  UnitChoice units;                    // Display: the selections the refresh read
};

// The location a failing check names, with the values its step read from s as they stand.
FaultLocation CalculationLocation(const FaultSite& site, const CalcState& s);

}  // namespace ostrel
