// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>

#include "core/calc_state.h"
#include "present/view.h"

namespace ostrel::web {

// View > Cell Drawing in the page: the three figures of figures/ as inline SVG, each at the
// largest round scale at which it and its dimensions fit, dimensioned with the texts the view's
// boxes show and their units, its scale stated, a figure that cannot be drawn replaced by its
// reason and a flaw drawn in red and named.
std::string CellDrawingSvg(const CalcState& state, const View& view);

}  // namespace ostrel::web
