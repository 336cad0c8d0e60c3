// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "present/accessible_text.h"

#include <cstddef>
#include <iterator>

#include <fmt/format.h>

#include "core/calc.h"
#include "present/units.h"

namespace ostrel {
namespace {

// Spoken unit names by option Index of each group.
constexpr const char* kSpokenLength[] = {"millimetres", "inches"};
constexpr const char* kSpokenVolume[] = {"cubic millimetres", "cubic inches"};
constexpr const char* kSpokenOilPressure[] = {"megapascals", "bars", "pounds per square inch"};
constexpr const char* kSpokenForce[] = {"kilonewtons", "metric tons", "US tons"};
static_assert(std::size(kSpokenLength) == std::size(kDistanceUnits));
static_assert(std::size(kSpokenVolume) == std::size(kDistanceUnits));
static_assert(std::size(kSpokenOilPressure) == std::size(kOilPressureUnits));
static_assert(std::size(kSpokenForce) == std::size(kForceUnits));

}  // namespace

std::string SpokenUnit(Quantity kind, const UnitChoice& units) {
  switch (kind) {
    case Quantity::Length:
      return OptionText(kSpokenLength, units.distance);
    case Quantity::Volume:
      return OptionText(kSpokenVolume, units.distance);
    case Quantity::Angle:
      return "degrees";
    case Quantity::OilPressure:
      return OptionText(kSpokenOilPressure, units.oil_pressure);
    case Quantity::Force:
      return OptionText(kSpokenForce, units.force);
    case Quantity::Pressure:
      return "gigapascals";
  }
  return {};
}

std::string BoxAccessibleDescription(Box box, const UnitChoice& units) {
  std::string text = UseOf(box) == BoxUse::Input ? "input" : "result";
  const std::string unit = SpokenUnit(LabelOf(box).kind, units);
  if (!unit.empty()) text += ", " + unit;
  return text;
}

std::string PresetDescription(int index) {
  if (index < 0 || index >= kPressPresetCount) return {};
  // fmt, not to_chars: the WebAssembly build's C++ library has no floating-point to_chars.
  return "Sets the ram diameter to " + fmt::format("{:.1f}", double{kPressPresets[index]}) + " mm";
}

}  // namespace ostrel
