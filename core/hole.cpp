// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {
namespace {

constexpr FaultSite kRadius{&CalcState::HoleVolume, {&CalcState::HoleDiameter}};
constexpr FaultSite kVolume{&CalcState::HoleVolume,
                            {&CalcState::HoleDiameter, &CalcState::HoleLength}};

}  // namespace

Fault HoleCalc(CalcState& s) {
  FaultSite unused;
  return HoleCalc(s, unused);
}

Fault HoleCalc(CalcState& s, FaultSite& where) {
  fp::Clear();
  const double r = fp::Keep(double{s.HoleDiameter} / 2);
  OSTREL_CHECK_AT(where, kRadius);
  const double r_squared = std::pow(r, 2.0);
  const double length_pi = double{s.HoleLength} * kPi;
  s.HoleVolume = static_cast<float>(r_squared * length_pi);
  OSTREL_CHECK_AT(where, kVolume);
  return Fault::None;
}

}  // namespace ostrel
