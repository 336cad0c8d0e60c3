// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/units.h"

#include <cstddef>
#include <iterator>

namespace ostrel {

int FirstSelectedOption(const View& view, Group group) {
  std::size_t options = 0;
  switch (group) {
    case Group::optDistanceUnits:
      options = std::size(kDistanceUnits);
      break;
    case Group::optOilPressureUnits:
      options = std::size(kOilPressureUnits);
      break;
    case Group::optForceUnits:
      options = std::size(kForceUnits);
      break;
  }
  for (std::size_t i = 0; i < options; ++i) {
    if (view.IsSelected(group, static_cast<int>(i))) return static_cast<int>(i);
  }
  return -1;
}

void StoreForceFactor(CalcState& s, std::int16_t index) {
  if (index >= 0 && index < static_cast<int>(std::size(kForceUnits))) {
    s.ForceFactor = kForceUnits[index].factor;
  }
}

}  // namespace ostrel
