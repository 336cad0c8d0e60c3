// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <initializer_list>
#include <string>

#include "core/calc_state.h"
#include "figures/figure.h"
#include "present/view.h"

namespace ostrel::figures {

// A stored length a figure needs, and whether zero is a sensible value of it (no tape is).
struct NeededLength {
  Box box;
  float value;
  bool zero_allowed = false;
};

// The first reason, in the given order, why these lengths cannot be drawn ("Cannot be drawn:
// the gasket width is zero."); empty when every one can.
std::string WhyNotDrawable(std::initializer_list<NeededLength> lengths);

// The checks every figure shares: OEL and TEL positive and finite, and TEL shorter than OEL.
std::string WhyDesignNotDrawable(const CalcState& s);

// Finishes a figure: the bounds of its outlines and circles, and a reason instead of the
// geometry when any coordinate is not finite or the figure has no extent.
void Finish(Figure& figure);

}  // namespace ostrel::figures
