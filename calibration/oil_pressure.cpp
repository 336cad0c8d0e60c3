// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "calibration/oil_pressure.h"

#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {
namespace {

bool Positive(float v) {
  return std::isfinite(v) && v > 0;
}

// What the calculator's own force step makes of an oil pressure; a fault or a result that is
// no finite number counts as infinitely far from any force.
double ForceFrom(float oil, float ram_diameter) {
  CalcState s;
  s.RamDiameter = ram_diameter;
  s.OilPressure = oil;
  if (ForceStep(s) != Fault::None || !std::isfinite(s.Force)) return HUGE_VAL;
  return s.Force;
}

}  // namespace

CurveValue OilPressureFor(float force, float ram_diameter) {
  if (!Positive(ram_diameter))
    return {0, Reach::Interpolated, "the ram diameter is not a positive number"};
  if (!Positive(force)) return {0, Reach::Interpolated, "the force is not a positive number"};

  // ForceStep: force = (ram / 2)^2 * (oil * pi) / 1000, in double from the floats.
  const double h = double{ram_diameter} / 2;
  const double exact = double{force} * 1000 / (std::pow(h, 2.0) * kPi);
  const float rounded = static_cast<float>(exact);
  if (!std::isfinite(rounded)) {
    return {0, Reach::Interpolated, "the oil pressure would be beyond the range of numbers"};
  }
  if (!(rounded > 0)) {
    return {0, Reach::Interpolated, "the oil pressure would be too small to hold"};
  }

  // The force step rounds twice (the product in double, the force to float), so the float
  // nearest the exact quotient can miss the force by a step where a neighbour hits it.
  float best = rounded;
  double best_miss = std::fabs(ForceFrom(rounded, ram_diameter) - force);
  float below = rounded;
  float above = rounded;
  for (int step = 0; step < 2 && best_miss > 0; ++step) {
    below = std::nextafter(below, 0.0f);
    above = std::nextafter(above, HUGE_VALF);
    for (const float candidate : {below, above}) {
      if (!Positive(candidate)) continue;
      const double miss = std::fabs(ForceFrom(candidate, ram_diameter) - force);
      if (miss < best_miss) {
        best = candidate;
        best_miss = miss;
      }
    }
  }
  if (!std::isfinite(best_miss)) {
    return {0, Reach::Interpolated, "the force step cannot reach this force on this ram"};
  }
  return {best, Reach::Interpolated, {}};
}

}  // namespace ostrel
