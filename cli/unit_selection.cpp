// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/unit_selection.h"

#include <cstddef>

#include "cli/text_escape.h"
#include "present/units.h"

namespace ostrel::cli {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

struct UnitGroup {
  const char* name;
  const UnitOption* options;
  std::size_t count;
  int DesignUnits::*index;
};

constexpr UnitGroup kGroups[] = {
    {"length", kDistanceUnits, std::size(kDistanceUnits), &DesignUnits::length},
    {"oil-pressure", kOilPressureUnits, std::size(kOilPressureUnits), &DesignUnits::oil_pressure},
    {"force", kForceUnits, std::size(kForceUnits), &DesignUnits::force},
};

std::string Captions(const UnitGroup& group) {
  std::string text;
  for (std::size_t i = 0; i < group.count; ++i) {
    if (i > 0) text += ", ";
    text += group.options[i].caption;
  }
  return text;
}

}  // namespace

UnitSelection ParseUnitSelection(std::string_view text) {
  DesignUnits units;
  std::size_t start = 0;
  for (std::size_t g = 0; g < std::size(kGroups); ++g) {
    const UnitGroup& group = kGroups[g];
    const std::size_t comma = text.find(',', start);
    const bool last = g + 1 == std::size(kGroups);
    if (!last && comma == std::string_view::npos) {
      return {std::nullopt,
              "--units needs three units, length, oil pressure and force, "
              "separated by commas (for instance \"Inches,bars,kN\")"};
    }
    if (last && comma != std::string_view::npos) {
      return {std::nullopt, "--units takes three units, not more"};
    }
    const std::string_view caption =
        Trimmed(text.substr(start, last ? std::string_view::npos : comma - start));
    bool found = false;
    for (std::size_t i = 0; i < group.count && !found; ++i) {
      if (caption == group.options[i].caption) {
        units.*group.index = static_cast<int>(i);
        found = true;
      }
    }
    if (!found) {
      return {std::nullopt, "--units: " + Quoted(caption) + " is not a " + group.name + " unit (" +
                                Captions(group) + ")"};
    }
    start = comma + 1;
  }
  return {units, {}};
}

}  // namespace ostrel::cli
