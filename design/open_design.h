// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include "core/calc_state.h"
#include "core/fault.h"
#include "design/design.h"
#include "present/view.h"

namespace ostrel {

// Opens a design on the calculator: stores all ten inputs first, so that a fault can never leave
// part of the design unapplied; then selects the length, oil-pressure and force units in that
// order (an option that is not selected runs its handler through the view, as at start-up); then
// All_Calc and ShowResults. The first fault, a handler's run by a selection included, stops the
// rest and is returned. The calibration is not the calculator's and is ignored here.
[[nodiscard]] Fault OpenDesign(const Design& design, CalcState& s, View& view);

}  // namespace ostrel
