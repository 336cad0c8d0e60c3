// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <initializer_list>

#include "core/calc.h"

namespace ostrel {

Fault All_Calc(CalcState& s) {
  FaultSite unused;
  return All_Calc(s, unused);
}

Fault All_Calc(CalcState& s, FaultSite& where) {
  // OuterCalc, HoleCalc and PaperCalc read what GasketCalc has just stored, so it goes first.
  using Procedure = Fault (*)(CalcState&, FaultSite&);
  for (const Procedure procedure :
       std::initializer_list<Procedure>{GasketCalc, OuterCalc, HoleCalc, TCCalc, PaperCalc}) {
    if (const Fault f = procedure(s, where); f != Fault::None) return f;
  }
  return Fault::None;
}

}  // namespace ostrel
