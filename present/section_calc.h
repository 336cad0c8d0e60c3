// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <string>

#include "core/fault.h"
#include "present/handlers.h"
#include "present/sections.h"
#include "present/view.h"

// Each section's Calc button as every view of the calculator knows it: the handler that applies
// a value typed into the section's inputs, and the words that send the user to it from a result
// box that is not the design's.
namespace ostrel {

// The Calc button of each section of present/sections.h, in the window's order.
using SectionClick = Fault (Handlers::*)();
inline constexpr SectionClick kSectionCalc[kSectionCount] = {
    &Handlers::cmdCalc_Click,   &Handlers::cmdOuterCalc_Click,    &Handlers::cmdHole_Click,
    &Handlers::cmdTCCalc_Click, &Handlers::cmdPaperAndTape_Click, &Handlers::cmdRam_Click};

// The section whose frame holds the box.
int SectionOf(Box box);

// What a marked result box's tooltip and description add: the button that recalculates it.
std::string NotRecalculatedText(Box box);

// What a result box the design's numbers do not reach adds, with why (WhyNotComputed).
std::string NotComputedText(const std::string& why);

}  // namespace ostrel
