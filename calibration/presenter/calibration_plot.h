// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calibration/calibration_point.h"
#include "calibration/curve.h"
#include "calibration/presenter/calibration_view.h"
#include "core/calc_state.h"

namespace ostrel {

// What the plot needs, in internal units (kN, GPa).
struct PlotInputs {
  const std::vector<CalibrationPoint>* points = nullptr;  // in table order
  const CalibrationCurve* curve = nullptr;                // null without a valid curve
  const CalcState* state = nullptr;                       // TEL for the theoretical line
  double force_factor = 1;                                // display force unit per kN
  std::string force_title;
  float current_force = 0;        // kN: the axes reach it, with or without a calibration
  std::optional<PlotXY> current;  // kN, GPa
  std::optional<PlotXY> target;   // kN, GPa
};

// The plot's lines in the display force unit: axes from zero with room above the highest
// point for its label and beyond the calculator's force, the curve's extensions as far as the
// current force or the target reach beyond the points, and the theoretical pressure (the
// calculator's own pressure step) cut where it leaves the plot.
CalibrationPlotData PlotCalibration(const PlotInputs& in);

// An axis from zero for a painter that draws its own: the smallest step of 1, 2 or 5 times a
// power of ten that covers `max` in at most `intervals` steps, and the end it reaches.
struct PlotAxis {
  double step = 1;
  double end = 1;
};
PlotAxis NiceAxis(double max, int intervals);

}  // namespace ostrel
