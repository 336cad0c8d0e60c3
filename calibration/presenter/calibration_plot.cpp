// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "calibration/presenter/calibration_plot.h"

#include <algorithm>
#include <cmath>

#include "core/calc.h"

namespace ostrel {
namespace {

bool Positive(double v) {
  return std::isfinite(v) && v > 0;
}

// The theoretical pressure at a force (kN) by the calculator's pressure step, 0 where it faults.
double TheoreticalPressure(const CalcState& state, double force) {
  CalcState s = state;
  s.Force = static_cast<float>(force);
  if (PressureStep(s) != Fault::None || !Positive(s.TheoreticalPressure)) return 0;
  return s.TheoreticalPressure;
}

// A line from a point of the curve to the force given, or nothing where the curve has no
// pressure there.
std::vector<PlotXY> Extension(const CalibrationCurve& curve, const CalibrationCurve::Node& end,
                              double force) {
  const CurveValue v = curve.PressureAt(static_cast<float>(force));
  if (!v.ok()) return {};
  return {{end.force, end.pressure}, {force, v.value}};
}

}  // namespace

CalibrationPlotData PlotCalibration(const PlotInputs& in) {
  CalibrationPlotData plot;
  plot.force_title = in.force_title;

  double force_max = 0;
  double pressure_max = 0;
  const auto include = [&](const PlotXY& p) {
    if (Positive(p.force)) force_max = std::max(force_max, p.force);
    if (Positive(p.pressure)) pressure_max = std::max(pressure_max, p.pressure);
  };
  for (const CalibrationPoint& p : *in.points) {
    if (!Positive(p.force) || !Positive(p.pressure)) continue;
    plot.points.push_back({p.force, p.pressure});
    plot.labels.push_back(p.label);
    include(plot.points.back());
  }
  if (in.current) include(*in.current);
  // Without a calibration the theoretical line alone still shows where the press stands.
  include({in.current_force, 0});
  if (in.target) include(*in.target);
  if (in.curve) {
    const auto& nodes = in.curve->Nodes();
    for (const auto& n : nodes) plot.curve.push_back({n.force, n.pressure});
    double low = nodes.front().force;
    double high = nodes.back().force;
    for (const auto& p : {in.current, in.target}) {
      if (!p) continue;
      low = std::min(low, p->force);
      high = std::max(high, p->force);
    }
    if (low < nodes.front().force) plot.extension_below = Extension(*in.curve, nodes.front(), low);
    if (high > nodes.back().force) plot.extension_above = Extension(*in.curve, nodes.back(), high);
  }
  if (!Positive(force_max)) force_max = 1;
  force_max *= 1.1;
  if (!Positive(pressure_max)) pressure_max = TheoreticalPressure(*in.state, force_max);
  if (!Positive(pressure_max)) pressure_max = 1;
  pressure_max *= 1.15;

  // Through the origin: cut at the right edge or at the top, whichever it meets first.
  const double at_edge = TheoreticalPressure(*in.state, force_max);
  if (at_edge > 0) {
    const double end = at_edge <= pressure_max ? force_max : force_max * pressure_max / at_edge;
    plot.theory = {{0, 0}, {end, std::min(at_edge, pressure_max)}};
  }

  // Everything in the display force unit.
  const auto scale = [&](std::vector<PlotXY>& line) {
    for (PlotXY& p : line) p.force *= in.force_factor;
  };
  for (auto* line :
       {&plot.points, &plot.curve, &plot.extension_below, &plot.extension_above, &plot.theory}) {
    scale(*line);
  }
  if (in.current) plot.current = PlotXY{in.current->force * in.force_factor, in.current->pressure};
  if (in.target) plot.target = PlotXY{in.target->force * in.force_factor, in.target->pressure};
  plot.force_max = force_max * in.force_factor;
  plot.pressure_max = pressure_max;
  return plot;
}

PlotAxis NiceAxis(double max, int intervals) {
  if (!Positive(max) || intervals < 1) return {};
  const double rough = max / intervals;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    const double step = factor * power;
    if (step * intervals >= max) return {step, std::ceil(max / step) * step};
  }
  return {10 * power, std::ceil(max / (10 * power)) * 10 * power};
}

}  // namespace ostrel
