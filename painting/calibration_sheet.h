// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <vector>

#include "calibration/calibration_point.h"
#include "painting/sheet.h"

namespace ostrel::painting {

// Adds the design's calibration to a sheet as its block under the figures: the table of points
// (force in the selected unit, pressure, label), what breaks the curve's rules or the calibrated
// pressure at the calculator's force, and the plot. The texts and lines come from the tool
// window's presenter, following the sheet's state and view. Nothing is added without points.
// The content's state and view must be set and outlive the sheet's painting.
void AddCalibrationToSheet(SheetContent& content, const std::vector<CalibrationPoint>& points);

}  // namespace ostrel::painting
