// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <iterator>

#include "design/design.h"
#include "present/units.h"

namespace ostrel::file {

// A unit group as the file's "units" section names it, in the order the file lists them, with
// the window's options (their captions are the file's unit names) and the Design field it sets.
struct UnitKey {
  const char* key;
  const UnitOption* options;
  int count;
  int DesignUnits::*index;
};

inline constexpr UnitKey kUnitKeys[] = {
    {"length", kDistanceUnits, static_cast<int>(std::size(kDistanceUnits)), &DesignUnits::length},
    {"oilPressure", kOilPressureUnits, static_cast<int>(std::size(kOilPressureUnits)),
     &DesignUnits::oil_pressure},
    {"force", kForceUnits, static_cast<int>(std::size(kForceUnits)), &DesignUnits::force},
};

}  // namespace ostrel::file
