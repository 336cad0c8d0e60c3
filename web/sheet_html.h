// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>
#include <string_view>

#include "core/calc_state.h"
#include "present/view.h"

namespace ostrel::web {

// File > Print in the page: the design sheet as HTML for the browser's print layout (which can
// also save it as PDF). The title block (the design's name, the date and time as given, the
// program and version), every box grouped by the window's sections with its quantity, text
// exactly as the box shows it and unit, in two columns as on the desktop's sheet, and the three
// figures.
std::string SheetHtml(const CalcState& state, const View& view, std::string_view title,
                      std::string_view stamp);

}  // namespace ostrel::web
