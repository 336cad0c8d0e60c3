// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>

#include "core/calc_state.h"
#include "core/fault.h"
#include "core/fault_site.h"
#include "present/fault_location.h"
#include "present/view.h"

namespace ostrel {

// The refresh: reads the unit groups (force, oil pressure, length), stores the factors, then
// writes the 27 boxes in Box order, running ForceStep after txtOilPressure and PressureStep
// after txtForce. Stops at the first fault: boxes written before it keep their new text, the
// faulting box and later ones their old text.
[[nodiscard]] Fault ShowResults(CalcState& s, View& view);

// The same refresh, writing the same boxes and returning the same fault, which also says where
// it stopped: the box it could not write (Display) or the press step that failed (Calculation).
// where is written only on a fault.
[[nodiscard]] Fault ShowResults(CalcState& s, View& view, FaultLocation& where);

// The text the refresh would write into one box now, with the view's selections, without storing
// anything or running a press step: what a box that a faulting sequence did not reach shows of
// its stored value. An empty text where the value cannot be shown.
std::string RefreshText(const CalcState& s, const View& view, Box box);

// The box that shows a field; false for a field no box shows (the unit factors).
bool BoxOfField(Field field, Box& box);

}  // namespace ostrel
