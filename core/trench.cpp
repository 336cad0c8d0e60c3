// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {

namespace {

// The float nearest 0.9999; both ends of the guard include it.
constexpr float kAcosLimit = 0.9999f;

using S = CalcState;

// The two angles' steps as TCCalc's checks report them; the angle between the vectors is part of
// the angle it is taken for.
constexpr FaultSite kSpread{&S::SpreadAngle, {&S::TCEdgePosition, &S::OEL}, &S::OEL};
constexpr FaultSite kDepth{&S::RakeAngle, {&S::TCCentralDepth, &S::OEL}, &S::OEL};
constexpr FaultSite kRake{&S::RakeAngle, {&S::TCCentralDepth, &S::TCEdgePosition, &S::OEL}};

double Length(const float (&v)[3]) {
  const double x = v[0], y = v[1], z = v[2];
  return std::sqrt((x * x + y * y) + z * z);
}

}  // namespace

float Acos(float x) {
  if (x >= kAcosLimit) return 0.0f;
  if (x <= -kAcosLimit) return 3.1415927f;
  const double xd = x;
  const double quarter_turn = std::atan(1.0) + std::atan(1.0);
  return static_cast<float>(std::atan(-xd / std::sqrt(-xd * xd + 1)) + quarter_turn);
}

Fault VecAngle(const CalcState& s, double& degrees) {
  const float(&a)[3] = s.VecA;
  const float(&b)[3] = s.VecB;
  const float dot = fp::Keep(
      static_cast<float>((double{a[0]} * b[0] + double{a[1]} * b[1]) + double{a[2]} * b[2]));
  OSTREL_CHECK();
  const float length_a = fp::Keep(static_cast<float>(Length(a)));
  OSTREL_CHECK();
  const float length_b = fp::Keep(static_cast<float>(Length(b)));
  OSTREL_CHECK();
  const float cosine = fp::Keep(static_cast<float>(dot / (double{length_b} * length_a)));
  OSTREL_CHECK();
  const float radians = Acos(cosine);
  // The factor is formed first, from the calculator's pi.
  degrees = (180 / kPi) * radians;
  return Fault::None;
}

Fault TCCalc(CalcState& s) {
  FaultSite unused;
  return TCCalc(s, unused);
}

Fault TCCalc(CalcState& s, FaultSite& where) {
  fp::Clear();
  const float r = fp::Keep(static_cast<float>(double{s.TCEdgePosition} / s.OEL));
  OSTREL_CHECK_AT(where, kSpread);
  const double rd = r;

  // The spread pair: VecB is VecA mirrored in the plane x = y.
  const double spread[6] = {
      -(rd + 1) / 6, (2 - rd) / 6, (2 * rd - 1) / 6, (2 - rd) / 6, (-1 - rd) / 6, (2 * rd - 1) / 6,
  };
  for (int i = 0; i < 6; ++i) {
    float& element = i < 3 ? s.VecA[i] : s.VecB[i - 3];
    element = static_cast<float>(spread[i]);
    OSTREL_CHECK_AT(where, kSpread);
  }

  double degrees = 0;
  if (const Fault f = VecAngle(s, degrees); f != Fault::None) {
    where = kSpread;
    return f;
  }
  s.SpreadAngle = static_cast<float>(degrees);
  OSTREL_CHECK_AT(where, kSpread);

  // Past the middle of the edge the spread keeps growing to 240 instead of folding back.
  if (!(r < 0.5f)) {
    s.SpreadAngle = static_cast<float>(360 - double{s.SpreadAngle});
    OSTREL_CHECK_AT(where, kSpread);
  }

  const double face_distance = (double{s.OEL} * std::sqrt(6.0)) / 3;
  const float depth_fraction = fp::Keep(static_cast<float>(s.TCCentralDepth / face_distance));
  OSTREL_CHECK_AT(where, kDepth);

  const double k = 1.0 / 6 - double{depth_fraction} / 3;
  const double rake[3] = {-rd / 2 - k, (1 - rd) / 2 - k, -k};
  for (int i = 0; i < 3; ++i) {
    s.VecB[i] = static_cast<float>(rake[i]);
    OSTREL_CHECK_AT(where, kRake);
  }

  if (const Fault f = VecAngle(s, degrees); f != Fault::None) {
    where = kRake;
    return f;
  }
  s.RakeAngle = static_cast<float>(degrees);
  OSTREL_CHECK_AT(where, kRake);
  return Fault::None;
}

}  // namespace ostrel
