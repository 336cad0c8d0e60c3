// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "design/design.h"

#include <cstring>

#include "present/units.h"

namespace ostrel {

Design StartupDesign() {
  CalcState s;
  StoreStartupDesign(s);
  StoreStartupPress(s);
  Design d;
  for (int i = 0; i < kDesignInputCount; ++i) d.inputs[i] = s.*kDesignInputs[i].field;
  return d;
}

Design CurrentDesign(const CalcState& s, const View& view) {
  Design d;
  for (int i = 0; i < kDesignInputCount; ++i) d.inputs[i] = s.*kDesignInputs[i].field;
  const auto keep = [&view](Group group, int& index) {
    if (const int selected = FirstSelectedOption(view, group); selected >= 0) index = selected;
  };
  keep(Group::optDistanceUnits, d.units.length);
  keep(Group::optOilPressureUnits, d.units.oil_pressure);
  keep(Group::optForceUnits, d.units.force);
  return d;
}

namespace {

bool SameBits(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SamePoint(const CalibrationPoint& a, const CalibrationPoint& b) {
  return SameBits(a.force, b.force) && SameBits(a.pressure, b.pressure) && a.label == b.label;
}

}  // namespace

bool SameDesign(const Design& a, const Design& b) {
  for (int i = 0; i < kDesignInputCount; ++i) {
    if (!SameBits(a.inputs[i], b.inputs[i])) return false;
  }
  if (a.units != b.units || a.calibration.size() != b.calibration.size()) return false;
  for (std::size_t i = 0; i < a.calibration.size(); ++i) {
    if (!SamePoint(a.calibration[i], b.calibration[i])) return false;
  }
  return true;
}

}  // namespace ostrel
