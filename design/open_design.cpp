// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "design/open_design.h"

#include "core/calc.h"
#include "core/fp_status.h"
#include "present/show_results.h"

namespace ostrel {

Fault OpenDesign(const Design& design, CalcState& s, View& view) {
  for (int i = 0; i < kDesignInputCount; ++i) s.*kDesignInputs[i].field = design.inputs[i];
  // Only an option that is not selected runs its handler; the first fault ends the sequence.
  struct Step {
    Group group;
    int index;
  };
  const Step steps[] = {{Group::optDistanceUnits, design.units.length},
                        {Group::optOilPressureUnits, design.units.oil_pressure},
                        {Group::optForceUnits, design.units.force}};
  for (const Step& step : steps) {
    if (view.IsSelected(step.group, step.index)) continue;
    if (const Fault f = view.SelectOptionForResult(step.group, step.index); f != Fault::None)
      return f;
    fp::Clear();
  }
  if (const Fault f = All_Calc(s); f != Fault::None) return f;
  return ShowResults(s, view);
}

}  // namespace ostrel
