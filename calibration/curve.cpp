// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "calibration/curve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <set>

namespace ostrel {
namespace {

bool Positive(float v) {
  return std::isfinite(v) && v > 0;
}

std::string Numbered(int n) {
  return "Point " + std::to_string(n);
}

std::string Pair(int a, int b) {
  return "Points " + std::to_string(std::min(a, b)) + " and " + std::to_string(std::max(a, b));
}

// The value at x on the line through (x0, y0) and (x1, y1), in double from the stored floats.
// The product comes before the quotient, so x == x1 gives y1 exactly.
double Along(double x, double x0, double y0, double x1, double y1) {
  return y0 + (x - x0) * (y1 - y0) / (x1 - x0);
}

// A finite positive result rounded to float, or the reason there is none.
CurveValue Rounded(double v, Reach reach, const char* what) {
  const float f = static_cast<float>(v);
  if (!Positive(f)) {
    return {0, reach,
            std::string("the calibration gives no positive ") + what +
                (std::isfinite(f) ? " there" : " within the range of numbers")};
  }
  return {f, reach, {}};
}

// The segment [i - 1, i] that serves x among ascending keys, and where x lies.
template <typename Key>
std::size_t Segment(const std::vector<CalibrationCurve::Node>& nodes, float x, Key key,
                    Reach& reach) {
  const auto above =
      std::upper_bound(nodes.begin(), nodes.end(), x,
                       [&](float v, const CalibrationCurve::Node& n) { return v < key(n); });
  std::size_t i = static_cast<std::size_t>(above - nodes.begin());
  reach = Reach::Interpolated;
  if (i == 0) {
    reach = Reach::ExtrapolatedBelow;
    i = 1;
  } else if (i == nodes.size()) {
    if (x > key(nodes.back())) reach = Reach::ExtrapolatedAbove;
    i = nodes.size() - 1;
  }
  return i;
}

}  // namespace

CurveValue CalibrationCurve::PressureAt(float force) const {
  if (!Positive(force)) return {0, Reach::Interpolated, "the force is not a positive number"};
  Reach reach;
  const std::size_t i = Segment(
      nodes_, force, [](const Node& n) { return n.force; }, reach);
  const Node& a = nodes_[i - 1];
  const Node& b = nodes_[i];
  return Rounded(Along(force, a.force, a.pressure, b.force, b.pressure), reach, "pressure");
}

CurveValue CalibrationCurve::ForceFor(float pressure) const {
  if (!Positive(pressure)) {
    return {0, Reach::Interpolated, "the pressure is not a positive number"};
  }
  Reach reach;
  const std::size_t i = Segment(
      nodes_, pressure, [](const Node& n) { return n.pressure; }, reach);
  const Node& a = nodes_[i - 1];
  const Node& b = nodes_[i];
  return Rounded(Along(pressure, a.pressure, a.force, b.pressure, b.force), reach, "force");
}

CurveResult MakeCurve(const std::vector<CalibrationPoint>& points) {
  CurveResult result;
  if (points.empty()) return result;

  // Numbered from 1 in the order given; ordered by force, equal forces in the order given.
  std::vector<int> order;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    const bool force_ok = Positive(points[i].force);
    const bool pressure_ok = Positive(points[i].pressure);
    if (!force_ok)
      result.problems.push_back({{n}, Numbered(n) + ": the force is not a positive number"});
    if (!pressure_ok) {
      result.problems.push_back({{n}, Numbered(n) + ": the pressure is not a positive number"});
    }
    if (force_ok && pressure_ok) order.push_back(n);
  }
  const auto at = [&](int n) -> const CalibrationPoint& { return points[n - 1]; };
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return at(a).force < at(b).force; });

  if (points.size() < 2) {
    result.problems.push_back({{1}, "a calibration needs at least two points"});
  }
  for (std::size_t k = 1; k < order.size(); ++k) {
    const int a = order[k - 1];
    const int b = order[k];
    if (at(a).force == at(b).force) {
      result.problems.push_back(
          {{std::min(a, b), std::max(a, b)}, Pair(a, b) + " have the same force"});
    } else if (!(at(b).pressure > at(a).pressure)) {
      result.problems.push_back({{std::min(a, b), std::max(a, b)},
                                 Pair(a, b) + ": the pressure does not rise with the force"});
    }
  }
  if (!result.problems.empty()) return result;

  std::vector<CalibrationCurve::Node> nodes;
  nodes.reserve(order.size());
  for (const int n : order) nodes.push_back({at(n).force, at(n).pressure});
  result.curve = CalibrationCurve(std::move(nodes));
  return result;
}

std::vector<int> PointsInProblems(const std::vector<CurveProblem>& problems) {
  std::set<int> all;
  for (const CurveProblem& p : problems) all.insert(p.points.begin(), p.points.end());
  return {all.begin(), all.end()};
}

}  // namespace ostrel
