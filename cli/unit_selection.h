// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design/design.h"

namespace ostrel::cli {

struct UnitSelection {
  std::optional<DesignUnits> units;
  std::string error;  // what is wrong, when units is empty
};

// --units "Inches,bars,kN": the option captions of the length, oil-pressure and force groups in
// that order, as the window and the design file name them. Blanks around a caption are ignored,
// letter case is not.
UnitSelection ParseUnitSelection(std::string_view text);

}  // namespace ostrel::cli
