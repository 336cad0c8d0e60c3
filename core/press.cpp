// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {
namespace {

using S = CalcState;

constexpr FaultSite kHalfRam{&S::Force, {&S::RamDiameter}};
constexpr FaultSite kForce{&S::Force, {&S::RamDiameter, &S::OilPressure}};
constexpr FaultSite kPressure{&S::TheoreticalPressure, {&S::Force, &S::TEL}, &S::TEL};

}  // namespace

Fault ForceStep(CalcState& s) {
  FaultSite unused;
  return ForceStep(s, unused);
}

Fault ForceStep(CalcState& s, FaultSite& where) {
  fp::Clear();
  const double h = fp::Keep(double{s.RamDiameter} / 2);
  OSTREL_CHECK_AT(where, kHalfRam);
  const double q = std::pow(h, 2.0);
  const double p = double{s.OilPressure} * kPi;
  // mm^2 times N/mm^2 is newtons; the result is held in kN.
  s.Force = static_cast<float>(q * p / 1000);
  OSTREL_CHECK_AT(where, kForce);
  return Fault::None;
}

Fault PressureStep(CalcState& s) {
  FaultSite unused;
  return PressureStep(s, unused);
}

Fault PressureStep(CalcState& s, FaultSite& where) {
  fp::Clear();
  const double tel = s.TEL;
  // The loaded area: TEL * 2 first, then times TEL, times sqrt 3, halved.
  const double area = tel * (tel * 2) * std::sqrt(3.0) / 2;
  s.TheoreticalPressure = static_cast<float>(s.Force / area);
  OSTREL_CHECK_AT(where, kPressure);
  return Fault::None;
}

void StorePressPreset(CalcState& s, std::int16_t index) {
  if (index >= 0 && index < kPressPresetCount) s.RamDiameter = kPressPresets[index];
}

}  // namespace ostrel
