// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/calc_state.h"
#include "present/view.h"

namespace ostrel {

// One option of a unit group: the factor (display units per internal unit) it stores and the
// rounding scale (display steps per display unit) it sets for one refresh.
struct UnitOption {
  const char* caption;
  float factor;
  std::int32_t scale;
};

// Index order of each group. The US ton factor is 0.2248 / 2 evaluated in double, then
// rounded to float (the float nearest 0.1124). The build must not use -frounding-math: GCC 12
// then stores the low half of the double, not the float, for this cast in a constexpr table.
inline constexpr UnitOption kDistanceUnits[] = {{"Millimeters", 1.0f, 100},
                                                {"Inches", 0.03937f, 1000}};
inline constexpr UnitOption kOilPressureUnits[] = {
    {"MPa", 1.0f, 100}, {"bars", 10.0f, 10}, {"psi", 145.0f, 1}};
inline constexpr UnitOption kForceUnits[] = {
    {"kN", 1.0f, 1}, {"Metric tons", 0.102f, 10}, {"US tons", static_cast<float>(0.2248 / 2), 10}};

// The text for option `index` of a group from a table of texts in the group's Index order; empty
// where no option (-1) or one past the table is selected.
template <std::size_t N>
std::string OptionText(const char* const (&texts)[N], int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return texts[index];
}

// The first selected option of a group in Index order, -1 where none of its options is.
int FirstSelectedOption(const View& view, Group group);

// optForceUnits_Click's store: ForceFactor for the clicked Index; any other Index stores nothing.
void StoreForceFactor(CalcState& s, std::int16_t index);

}  // namespace ostrel
