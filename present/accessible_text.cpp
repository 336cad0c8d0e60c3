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

template <std::size_t N>
std::string Pick(const char* const (&texts)[N], int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return texts[index];
}

}  // namespace

BoxUse UseOf(Box box) {
  switch (box) {
    case Box::txtOEL:
    case Box::txtTEL:
    case Box::txtGasketWidth:
    case Box::txtHoleDiameter:
    case Box::txtTCCentralDepth:
    case Box::txtTCEdgePosition:
    case Box::txtCubeSize:
    case Box::txtTapeThickness:
    case Box::txtRamDiameter:
    case Box::txtOilPressure:
      return BoxUse::Input;
    default:
      return BoxUse::Result;
  }
}

std::string SpokenUnit(Quantity kind, const UnitChoice& units) {
  switch (kind) {
    case Quantity::Length:
      return Pick(kSpokenLength, units.distance);
    case Quantity::Volume:
      return Pick(kSpokenVolume, units.distance);
    case Quantity::Angle:
      return "degrees";
    case Quantity::OilPressure:
      return Pick(kSpokenOilPressure, units.oil_pressure);
    case Quantity::Force:
      return Pick(kSpokenForce, units.force);
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
