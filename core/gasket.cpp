// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {
namespace {

using S = CalcState;

// The steps of the two procedures, as their checks report them.
constexpr FaultSite kThickness{&S::GasketThickness, {&S::OEL, &S::TEL}};
constexpr FaultSite kInnerShort{&S::InnerShortEdge, {&S::OEL, &S::TEL}};
constexpr FaultSite kOctahedronVolume{&S::OctahedronVolume, {&S::OEL}};
constexpr FaultSite kHoleLength{&S::HoleLength, {&S::OEL}};
constexpr FaultSite kWaist{&S::OctahedronWaist, {&S::OEL, &S::TEL}};
constexpr FaultSite kOuterShort{&S::OuterShortEdge, {&S::GasketWidth, &S::InnerShortEdge}};
constexpr FaultSite kOuterLong{&S::OuterLongEdge, {&S::GasketWidth, &S::InnerLongEdge}};
constexpr FaultSite kGasketVolume{
    &S::GasketVolume,
    {&S::GasketWidth, &S::InnerShortEdge, &S::InnerLongEdge, &S::GasketThickness}};

}  // namespace

Fault GasketCalc(CalcState& s) {
  FaultSite unused;
  return GasketCalc(s, unused);
}

Fault GasketCalc(CalcState& s, FaultSite& where) {
  fp::Clear();
  const double sqrt2 = std::sqrt(2.0);
  const double sqrt6 = std::sqrt(6.0);

  s.InnerLongEdge = s.OEL;
  const double d = fp::Keep(double{s.OEL} - s.TEL);
  OSTREL_CHECK_AT(where, kThickness);

  s.GasketThickness = static_cast<float>((sqrt2 * d) / 3);
  OSTREL_CHECK_AT(where, kThickness);

  s.InnerShortEdge = static_cast<float>(((2 * double{s.TEL}) + s.OEL) / 3);
  OSTREL_CHECK_AT(where, kInnerShort);

  const double cube = std::pow(double{s.OEL}, 3.0);
  s.OctahedronVolume = static_cast<float>((sqrt2 / 3) * cube);
  OSTREL_CHECK_AT(where, kOctahedronVolume);

  s.HoleLength = static_cast<float>((sqrt6 * s.OEL) / 3);
  OSTREL_CHECK_AT(where, kHoleLength);

  const double e = fp::Keep(double{s.OEL} - s.TEL);
  OSTREL_CHECK_AT(where, kWaist);
  s.OctahedronWaist = static_cast<float>(e / 6);
  OSTREL_CHECK_AT(where, kWaist);
  return Fault::None;
}

Fault OuterCalc(CalcState& s) {
  FaultSite unused;
  return OuterCalc(s, unused);
}

Fault OuterCalc(CalcState& s, FaultSite& where) {
  fp::Clear();
  const double width2 = 2 * double{s.GasketWidth};

  // The edges are rounded to float before any is stored; a rounding that overflows is caught by
  // the check of the step after it, which is why each rounding waits for the next check. That
  // check tells an edge whose rounding left no finite number from its own step.
  const double short_edge = fp::Keep(width2 + s.InnerShortEdge);
  OSTREL_CHECK_AT(where, kOuterShort);
  const float s_rounded = fp::Keep(static_cast<float>(short_edge));

  const double long_edge = fp::Keep(width2 + s.InnerLongEdge);
  OSTREL_CHECK_AT(where, std::isfinite(s_rounded) ? kOuterLong : kOuterShort);
  const float l_rounded = fp::Keep(static_cast<float>(long_edge));

  s.OuterShortEdge = s_rounded;
  s.OuterLongEdge = l_rounded;
  const double p = fp::Keep(double{l_rounded} + s.InnerLongEdge);
  OSTREL_CHECK_AT(where, std::isfinite(l_rounded) ? kGasketVolume : kOuterLong);

  const double a = (p / 2) * 6;
  const double q = fp::Keep(double{s_rounded} + s.InnerShortEdge);
  OSTREL_CHECK_AT(where, kGasketVolume);
  const double b = (q / 2) * 6;

  // Twelve gaskets, each its mean edge length times thickness times width: a volume.
  s.GasketVolume = static_cast<float>(((a + b) * s.GasketThickness) * s.GasketWidth);
  OSTREL_CHECK_AT(where, kGasketVolume);
  return Fault::None;
}

}  // namespace ostrel
