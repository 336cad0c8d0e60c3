// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/box_labels.h"

#include <cstddef>
#include <iterator>

#include "present/units.h"

namespace ostrel {
namespace {

// LabelOf indexes the table by Box, so every row must sit at its box's position.
constexpr bool TableInBoxOrder() {
  for (int i = 0; i < kBoxCount; ++i) {
    if (kBoxLabels[i].box != static_cast<Box>(i)) return false;
  }
  return true;
}
static_assert(TableInBoxOrder(), "kBoxLabels must list the boxes in Box order");

static_assert(std::size(kLengthUnitTexts) == std::size(kDistanceUnits));
static_assert(std::size(kVolumeUnitTexts) == std::size(kDistanceUnits));
static_assert(std::size(kOilPressureUnitTexts) == std::size(kOilPressureUnits));
static_assert(std::size(kForceUnitTexts) == std::size(kForceUnits));

}  // namespace

UnitChoice SelectedUnits(const View& view) {
  UnitChoice units;
  units.distance = FirstSelectedOption(view, Group::optDistanceUnits);
  units.oil_pressure = FirstSelectedOption(view, Group::optOilPressureUnits);
  units.force = FirstSelectedOption(view, Group::optForceUnits);
  return units;
}

const BoxLabel& LabelOf(Box box) {
  return kBoxLabels[static_cast<int>(box)];
}

std::string UnitText(Quantity kind, const UnitChoice& units) {
  switch (kind) {
    case Quantity::Length:
      return OptionText(kLengthUnitTexts, units.distance);
    case Quantity::Volume:
      return OptionText(kVolumeUnitTexts, units.distance);
    case Quantity::Angle:
      return "degrees";
    case Quantity::OilPressure:
      return OptionText(kOilPressureUnitTexts, units.oil_pressure);
    case Quantity::Force:
      return OptionText(kForceUnitTexts, units.force);
    case Quantity::Pressure:
      return "GPa";
  }
  return {};
}

std::string BoxDescription(Box box, const UnitChoice& units) {
  const BoxLabel& label = LabelOf(box);
  std::string text = label.quantity;
  const std::string unit = UnitText(label.kind, units);
  if (!unit.empty()) text += " (" + unit + ")";
  return text;
}

}  // namespace ostrel
