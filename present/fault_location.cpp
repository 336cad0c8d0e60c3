// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "present/fault_location.h"

#include "present/show_results.h"

namespace ostrel {

FaultLocation CalculationLocation(const FaultSite& site, const CalcState& s) {
  FaultLocation where;
  where.place = FaultPlace::Calculation;
  BoxOfField(site.computing, where.box);
  for (const Field read : site.reads) {
    Box box{};
    if (read == nullptr || !BoxOfField(read, box)) continue;
    where.operands.push_back({box, s.*read, read == site.divisor});
  }
  return where;
}

}  // namespace ostrel
