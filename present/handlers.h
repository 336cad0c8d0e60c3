// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <cstdint>

#include "core/calc_state.h"
#include "core/fault.h"
#include "present/fault_location.h"
#include "present/view.h"

namespace ostrel {

// Every user action of the window, as plain C++. Each handler reads its boxes through the view,
// stores into CalcState, runs its procedure and ends with ShowResults; the first fault abandons
// the rest and is returned for the window to report once, and where it was found is kept for
// the report to say.
class Handlers final {
 public:
  Handlers(CalcState& state, View& view) : s_(state), view_(view) {}

  // The start-up sequence: design, unit selections (which may run option handlers nested),
  // press values, All_Calc, ShowResults.
  Fault Form_Load();

  Fault cmdCalc_Click();
  Fault cmdOuterCalc_Click();
  Fault cmdHole_Click();
  Fault cmdTCCalc_Click();
  Fault cmdPaperAndTape_Click();
  Fault cmdRam_Click();
  Fault cmdWhichPress_Click(std::int16_t index);
  Fault optDistanceUnits_Click(std::int16_t index);
  Fault optOilPressureUnits_Click(std::int16_t index);
  Fault optForceUnits_Click(std::int16_t index);

  // Where the fault of the last handler run was found; FaultPlace::None after a run without one.
  const FaultLocation& LastFaultLocation() const { return location_; }

 private:
  // Ends a handler run: a fault has written its place into location_ where it was found; a run
  // without one forgets the place of an earlier fault.
  Fault Finish(Fault fault);
  // ShowResults alone, for the handlers that store no typed input.
  Fault Refresh();

  CalcState& s_;
  View& view_;
  FaultLocation location_;
};

}  // namespace ostrel
