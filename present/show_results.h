#pragma once

#include "core/calc_state.h"
#include "core/fault.h"
#include "present/view.h"

namespace ostrel {

// The refresh: reads the unit groups (force, oil pressure, length), stores the factors, then
// writes the 27 boxes in Box order, running ForceStep after txtOilPressure and PressureStep
// after txtForce. Stops at the first fault: boxes written before it keep their new text, the
// faulting box and later ones their old text.
[[nodiscard]] Fault ShowResults(CalcState& s, View& view);

}  // namespace ostrel
