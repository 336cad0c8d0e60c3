// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <string>

namespace ostrel {

// One calibration point of an assembly: at this press force the sample was observed at this
// pressure (a phase transition, typically, named by the label). Internal units, as CalcState.
struct CalibrationPoint {
  float force = 0;     // kN
  float pressure = 0;  // GPa
  std::string label;
};

}  // namespace ostrel
