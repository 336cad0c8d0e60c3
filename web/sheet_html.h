// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calibration/calibration_point.h"

#include "core/calc_state.h"
#include "present/view.h"

namespace ostrel::web {

// File > Print in the page: the design sheet as HTML for the browser's print layout (which can
// also save it as PDF). The title block (the design's name, the date and time as given, the
// program and version), every box grouped by the window's sections with its quantity, text
// exactly as the box shows it and unit, in two columns as on the desktop's sheet, the three
// figures, and for a design with calibration points the pressure calibration: its table, the
// calibrated pressure at the calculator's force and the plot, from the calibration presenter.
std::string SheetHtml(const CalcState& state, const View& view,
                      const std::vector<CalibrationPoint>& calibration, std::string_view title,
                      std::string_view stamp);

}  // namespace ostrel::web
