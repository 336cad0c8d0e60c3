// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calibration/calibration_point.h"

// The pressure calibration of an assembly.
//
// Data flow: the document's calibration points (force in kN, sample pressure in GPa) ->
// MakeCurve (the points ordered by force, or which points break the rule) -> PressureAt (the
// calibrated pressure at the calculator's force) and ForceFor (the force for a target pressure)
// -> OilPressureFor (oil_pressure.h: the oil pressure that gives that force on the ram).
//
// Pure C++: links the calculation core only. Every result is computed in double from the stored
// floats and rounded to float once, as the core does; nothing here returns a NaN or an infinity.
namespace ostrel {

// Where a value lies on the curve. At a point counts as interpolated.
enum class Reach {
  Interpolated,
  ExtrapolatedBelow,  // below the first point: the first segment extended
  ExtrapolatedAbove,  // above the last point: the last segment extended
};

// A computed value, or the reason there is none (then value is 0).
struct CurveValue {
  float value = 0;
  Reach reach = Reach::Interpolated;
  std::string reason;

  bool ok() const { return reason.empty(); }
};

// One rule a calibration breaks, with the points (numbered from 1 in the order given) that
// break it.
struct CurveProblem {
  std::vector<int> points;
  std::string reason;
};

struct CurveResult;

// A piecewise linear curve through at least two points with distinct forces and pressures that
// rise with force.
class CalibrationCurve final {
 public:
  struct Node {
    float force;     // kN
    float pressure;  // GPa
  };

  // The calibrated pressure at a force (kN), or why there is none: a force that is not a finite
  // positive number, or an extended segment that gives no positive pressure there.
  CurveValue PressureAt(float force) const;

  // The force (kN) at which the curve reaches a pressure (GPa), or why there is none.
  CurveValue ForceFor(float pressure) const;

  // The points ordered by force.
  const std::vector<Node>& Nodes() const { return nodes_; }

 private:
  friend CurveResult MakeCurve(const std::vector<CalibrationPoint>& points);
  explicit CalibrationCurve(std::vector<Node> nodes) : nodes_(std::move(nodes)) {}

  std::vector<Node> nodes_;
};

// The curve, or every rule the points break. No points at all is no calibration, not a fault:
// then neither a curve nor a problem.
struct CurveResult {
  std::optional<CalibrationCurve> curve;
  std::vector<CurveProblem> problems;
};

CurveResult MakeCurve(const std::vector<CalibrationPoint>& points);

// The points of every problem, numbered from 1, each once and in ascending order: the rows to mark.
std::vector<int> PointsInProblems(const std::vector<CurveProblem>& problems);

}  // namespace ostrel
